#include "archive/ui/ControlliArchivio.h"

#include <QFrame>

#include "core/db/Sessione.h"
#include "core/ui/Dialoghi.h"
#include "core/ui/FinestraInizio.h"
#include "core/ui/FinestraPrincipale.h"
#include "core/ui/Help.h"

namespace quorvane {

QLabel* testoFisso(const QString& testo, QWidget* padre) {
    auto* l = new QLabel(testo, padre);
    l->setWordWrap(true);
    return l;
}

QLabel* etichettaIncorniciata(const char* nome, QWidget* padre) {
    auto* l = new QLabel(padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(80);
    return l;
}

void casellaSolaLettura(QLineEdit* casella) {
    casella->setReadOnly(true);
    QPalette p = casella->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    casella->setPalette(p);
}

QPushButton* pulsanteHelp(const char* nome, QWidget* padre) {
    auto* p = pulsante(padre, nome, QStringLiteral("Help in linea"));
    QObject::connect(p, &QPushButton::clicked, p, [] { mostraHelp(ArgomentoHelpArchivio); });
    return p;
}

void messaggioErrore(QWidget* padre, const QString& titolo, const QString& testo) {
    Dialoghi::correnti().messaggio(padre, QMessageBox::Critical, titolo, testo);
}

void avanzamento(FinestraPrincipale& principale, int valore, int massimo) {
    mostraAvanzamento(principale.barraAvanzamento(), valore, massimo);
}

bool caricaArchivioExNovo(FinestraPrincipale& principale, QWidget* padre) {
    const BarraLavoro barra(principale.barraAvanzamento());
    QString errore;
    // The bar is touched every 50 draws only: a repaint per draw would cost more than the load.
    const auto progresso = [&principale](int i, int n) {
        if (i % 50 == 0 || i == n) avanzamento(principale, i, n);
    };
    if (principale.sessione().caricaArchivio(TipoCaricamento::Ricarica, progresso, &errore)) return true;
    Dialoghi::correnti().messaggio(padre, QMessageBox::Critical, QStringLiteral("Avviso"),
                                   FinestraInizio::MessaggioCaricamento + QStringLiteral("\n") + errore);
    return false;
}

}  // namespace quorvane
