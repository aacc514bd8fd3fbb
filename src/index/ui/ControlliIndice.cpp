#include "index/ui/ControlliIndice.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>

#include "core/ui/Controlli.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/Help.h"
#include "core/ui/VistaGriglia.h"
#include "index/MetodoIndice.h"

namespace quorvane {

QComboBox* listaScelte(QWidget* padre, const char* nome, const QStringList& voci, int scelta) {
    auto* c = new QComboBox(padre);
    c->setObjectName(QString::fromLatin1(nome));
    c->addItems(voci);
    c->setCurrentIndex(scelta);
    return c;
}

QStringList numeri(int da, int a) {
    QStringList voci;
    for (int n = da; n <= a; ++n) voci << QString::number(n);
    return voci;
}

void dimensionaTavola(VistaGriglia* vista, int larghezzaCella) {
    vista->horizontalHeader()->setDefaultSectionSize(larghezzaCella);
    vista->horizontalHeader()->setMinimumSectionSize(larghezzaCella / 2);
    vista->verticalHeader()->setDefaultSectionSize(22);
    vista->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vista->setSelectionMode(QAbstractItemView::NoSelection);
    vista->setFocusPolicy(Qt::NoFocus);
    vista->clearSelection();
    vista->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void adattaAltezza(VistaGriglia* vista) {
    const int righe = vista->model()->rowCount();
    const int testata = vista->horizontalHeader()->isVisible() ? vista->horizontalHeader()->height() : 0;
    vista->setFixedHeight(righe * vista->verticalHeader()->defaultSectionSize() + testata + 2 * vista->frameWidth());
}

QPushButton* pulsanteHelp(QWidget* padre, const char* nome) {
    auto* p = pulsante(padre, nome, QStringLiteral("Help in linea"));
    QObject::connect(p, &QPushButton::clicked, p, [] { mostraHelp(ArgomentoHelpIndice); });
    return p;
}

bool previsioneRifiutata(QWidget* padre, const MetodoIndice& metodo, const Previsione& p) {
    QString motivo;
    if (metodo.listaPiena()) motivo = QString::fromStdString(testoListaPiena());
    else if (const int riga = metodo.rigaInLista(p))
        motivo = QStringLiteral("La previsione è già nell'elenco, alla riga %1: non viene aggiunta di nuovo.").arg(riga);
    else if (const auto errore = erroreSorte(p.sorte, p.quanti())) motivo = QString::fromStdString(*errore);
    if (motivo.isEmpty()) return false;
    Dialoghi::correnti().messaggio(padre, QMessageBox::Information, QStringLiteral("Previsioni"), motivo);
    return true;
}

}  // namespace quorvane
