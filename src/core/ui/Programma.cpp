#include "core/ui/Programma.h"

#include <QDate>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "core/db/Sessione.h"
#include "core/ui/FinestraInizio.h"
#include "core/ui/FinestraPrincipale.h"

namespace quorvane {

void Programma::preparaApplicazione(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Quorvane"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSIONE));
    // Ties the windows to the installed desktop entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvane"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("quorvane")));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto* traduzione = new QTranslator(&app);
    if (traduzione->load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(traduzione);
}

Data Programma::oggi() {
    const QDate d = QDate::currentDate();
    return Data{d.year(), d.month(), d.day()};
}

std::unique_ptr<Programma> Programma::avvia(const QString& cartellaDati, QString* errore) {
    auto programma = std::unique_ptr<Programma>(new Programma);
    programma->sessione_ = Sessione::avvia(cartellaDati, oggi(), errore);
    if (!programma->sessione_) return nullptr;
    programma->inizio_ = std::make_unique<FinestraInizio>(*programma->sessione_);
    Programma* p = programma.get();
    QObject::connect(p->inizio_.get(), &FinestraInizio::archivioCaricato, p->inizio_.get(), [p] {
        p->principale_ = std::make_unique<FinestraPrincipale>(*p->sessione_);
        p->principale_->show();
    });
    p->inizio_->avvia();
    return programma;
}

Programma::~Programma() = default;

}  // namespace quorvane
