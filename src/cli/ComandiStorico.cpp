// The historical test of the method against chance.
#include <QLocale>
#include <charconv>

#include "cli/OpzioniIndice.h"
#include "index/GiudizioVerifica.h"
#include "index/GrigliaStorico.h"

namespace quorvane::cli {

namespace {

// The options of the window that the test takes; the draw, "Fine ricerca" and the forecasts are
// the test's own at each point.
const std::initializer_list<const char*> opzioniStorico = {"mensile", "forza-ultima", "presenze",  "colpi",
                                                           "ruote",   "qn",           "capogioco", "sorte",
                                                           "veloce",  "metodo",       "dal",       "al"};

OpzioniStoriche opzioniDaRiga(const Opzioni& opzioni, const ArchivioEstrazioni& archivio) {
    OpzioniStoriche o = periodoPredefinito({analisiDaOpzioni(opzioni, archivio)}, archivio);
    auto metodo = opzioni.valore("metodo");
    if (metodo && *metodo != "modalita2" && *metodo != "ciclo")
        throw ErroreComando{EsitoInputErrato, "--metodo deve essere modalita2 o ciclo"};
    o.metodo = metodo && *metodo == "ciclo" ? MetodoStorico::Ciclo : MetodoStorico::Modalita2;
    if (auto dal = opzioni.valore("dal")) o.dal = estrazioneDa(archivio, *dal);
    if (auto al = opzioni.valore("al")) o.al = estrazioneDa(archivio, *al);
    if (auto errore = erroreStorico(o, archivio)) throw ErroreComando{EsitoInputErrato, *errore};
    return o;
}

// A JSON number, or null when there is none; with a decimal point whatever the system's locale,
// which printf would follow.
JsonGrezzo numeroJson(std::optional<double> valore) {
    if (!valore) return {"null"};
    char testo[64];
    const auto fine = std::to_chars(testo, testo + sizeof testo, *valore, std::chars_format::general, 6).ptr;
    return {std::string(testo, fine)};
}

int verificaStoricaCmd(const Opzioni& opzioni) {
    controllaOpzioni(opzioni, opzioniStorico, 0);
    const ArchivioEstrazioni archivio = caricaArchivio(opzioni);
    const OpzioniStoriche o = opzioniDaRiga(opzioni, archivio);
    const EsitoStorico esito = VerificaStorica(o, archivio);
    Griglia giocate("FgStorico");
    riempiTabellaStorico(giocate, esito.giocate, archivio, QLocale().decimalPoint().toStdString());
    const RiepilogoStorico& r = esito.riepilogo;
    // Without --json the summary follows the table, one "name<TAB>value" line each, and the verdict.
    std::string giudizio;
    if (!esito.giocate.empty())
        giudizio = giudizioVerifica({r.vincite, r.attese, r.z(), std::nullopt, r.resa(), r.resaAttesa()},
                                    QLocale().decimalPoint().toStdString());
    stampaConEtichette(opzioni, tabelle::GiocateStoriche, giocate,
                       {{"Punti", static_cast<long long>(r.punti)},
                        {"Giocate", static_cast<long long>(r.giocate)},
                        {"Vincite", static_cast<long long>(r.vincite)},
                        {"Attese", numeroJson(r.attese)},
                        {"Rapporto", numeroJson(r.rapporto())},
                        {"z", numeroJson(r.z())},
                        {"Puntata", r.puntata},
                        {"Incasso", numeroJson(r.incasso)},
                        {"Resa", numeroJson(r.resa())},
                        {"Resa attesa", numeroJson(r.resaAttesa())},
                        {"Giudizio", giudizio}});
    return 0;
}

}  // namespace

std::vector<Comando> comandiStorico() {
    return {{"verifica-storica",
             "[--mensile U|1..31] [--forza-ultima] [--presenze N] [--colpi N] [--ruote BA,CA,...|TU] [--qn N] "
             "[--capogioco N] [--sorte ambo|terno] [--veloce] [--metodo modalita2|ciclo] [--dal N|GG/MM/AAAA] "
             "[--al N|GG/MM/AAAA]",
             "il metodo seguito nel passato contro il caso: giocate e riepilogo (giocate_storiche)",
             verificaStoricaCmd}};
}

}  // namespace quorvane::cli
