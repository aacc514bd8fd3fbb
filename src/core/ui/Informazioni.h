#pragma once
// The "Informazioni" box: the program's version and the licences it is given under.
#include <QString>
#include <QWidget>

namespace quorvane {

QString testoInformazioni();
void mostraInformazioni(QWidget* padre);

}  // namespace quorvane
