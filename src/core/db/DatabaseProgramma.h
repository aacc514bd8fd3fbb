#pragma once
// The program's own database: its parameters, and the tables each feature registers.
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/db/Connessione.h"

namespace quorvane {

class Transazione;

// The keys of the parameter rows the program reads (looked up whatever their letter case).
namespace Parametri {
inline const QString PercorsoArchivio = QStringLiteral("PercorsoArchivio");
inline const QString EstrazioneIniziale = QStringLiteral("EstrazioneIniziale");
inline const QString IndirizzoInternet = QStringLiteral("IndirizzoInternet");
inline const QString PercorsoDati = QStringLiteral("PercorsoDati.iii");
inline const QString IndirizzoAggiornamenti = QStringLiteral("IndirizzoAggiornamenti");
inline const QString IndirizzoArchivioUfficiale = QStringLiteral("IndirizzoArchivioUfficiale");
}  // namespace Parametri

struct Parametro {
    QString nome;
    QString valore1;
    QString valore2;
};

// Creates a feature's tables when they are missing and fills what they must hold, within the
// opening transaction; false (the reason kept in the transaction) stops the opening.
using PreparazioneTabelle = std::function<bool(Transazione&, QSqlDatabase&)>;

class DatabaseProgramma {
public:
    static inline const QString NomeFile = QStringLiteral("DbQuorvane.db");

    // A feature's tables, registered before the first opening; prepared in the order of their
    // first registration, and a second registration under the same name replaces the first.
    static void registraTabelle(const QString& nome, PreparazioneTabelle prepara);

    // Opens the program database of a data folder. A missing file is created with the parameter
    // table, every registered table and the parameter rows the program expects
    // (`valoriIniziali`); an existing file gets any table it lacks. Null, with an Italian
    // message, when the file is not a usable database.
    static std::unique_ptr<DatabaseProgramma> apri(const QString& cartella, const QList<Parametro>& valoriIniziali,
                                                   QString* errore);

    const QString& percorso() const { return connessione_.percorso(); }
    bool creato() const { return creato_; }
    QSqlDatabase& db() { return connessione_.db(); }

    // Looked up whatever the letter case of the key; nullopt when there is no such row.
    std::optional<QString> parametro(const QString& nome);
    // Updates an existing row only; false when the row is missing or cannot be written.
    bool impostaParametro(const QString& nome, const QString& valore);
    // Adds a row the program's earlier versions did not create; an existing row stays as it is.
    bool aggiungiParametroSeManca(const Parametro& parametro);
    // Every parameter row, sorted by name.
    QList<Parametro> parametri();

private:
    Connessione connessione_;
    bool creato_ = false;
};

}  // namespace quorvane
