#include "core/ui/Informazioni.h"

#include "core/ui/Dialoghi.h"

namespace quorvane {

QString testoInformazioni() {
    return QStringLiteral(
               "Quorvane, versione %1\n"
               "Studio delle estrazioni del Lotto con il metodo degli indici.\n\n"
               "Quorvane è software libero: si può ridistribuire e modificare secondo i termini della GNU "
               "General Public License, versione 3 o (a scelta) successiva. È distribuito senza alcuna "
               "garanzia.\n\n"
               "Usa Qt %2, sotto la GNU Lesser General Public License versione 3.")
        .arg(QStringLiteral(QUORVANE_VERSIONE), QString::fromLatin1(qVersion()));
}

void mostraInformazioni(QWidget* padre) {
    Dialoghi::correnti().messaggio(padre, QMessageBox::Information, QStringLiteral("Informazioni"),
                                   testoInformazioni());
}

}  // namespace quorvane
