#include "archive/InserimentoEstrazione.h"

#include <bitset>

#include "core/CalendarioEstrazioni.h"

namespace quorvane {

namespace {
bool cifra(char c) {
    return c >= '0' && c <= '9';
}

bool soloCifre(std::string_view t) {
    for (char c : t)
        if (!cifra(c)) return false;
    return !t.empty();
}

std::string dueCifre(int n) {
    if (n >= 10) return std::to_string(n);
    return {'0', static_cast<char>('0' + n)};
}

const std::string& nomeRuota(int k) {
    static const std::array<std::string, NumRuote> nomi = [] {
        std::array<std::string, NumRuote> n;
        for (int r = 0; r < NumRuote; ++r) n[r] = NomeRuota[r + 1];
        return n;
    }();
    return nomi[k];
}
}  // namespace

int valoreCasella(std::string_view testo) {
    std::size_t i = 0;
    while (i < testo.size() && testo[i] == ' ') ++i;
    int v = 0;
    for (; i < testo.size() && cifra(testo[i]); ++i) v = std::min(v * 10 + (testo[i] - '0'), 9999);
    return v;
}

std::string filtraCasella(std::string_view testo) {
    if (testo == "99") return std::string(testo);
    if (valoreCasella(testo) > NumeroMassimo) return {};
    if (testo.size() == 1 && !cifra(testo[0])) return {};
    if (testo.size() == 2 && !cifra(testo[1])) return {};
    return std::string(testo);
}

std::string formattaCasella(std::string_view testo) {
    if (testo.size() == 1 && cifra(testo[0])) return {'0', testo[0]};
    return std::string(testo);
}

int casellaDestinazione(int i, Tasto tasto) {
    switch (tasto) {
        case Tasto::Invio:
            return i % NumCaselle + 1;
        case Tasto::Destra:
            return i % NumPosizioni == 0 ? i - 4 : i + 1;
        case Tasto::Sinistra:
            return i % NumPosizioni == 1 ? i + 4 : i - 1;
        case Tasto::Su:
            return i <= NumPosizioni ? i + NumCaselle - NumPosizioni : i - NumPosizioni;
        case Tasto::Giu:
            return i > NumCaselle - NumPosizioni ? i - (NumCaselle - NumPosizioni) : i + NumPosizioni;
    }
    return i;
}

std::vector<int> numeriDaAppunti(std::string_view appunti) {
    std::vector<int> numeri;
    int valore = 0;
    bool inCorso = false;
    for (char c : appunti) {
        if (cifra(c)) {
            valore = std::min(valore * 10 + (c - '0'), 9999);
            inCorso = true;
        } else if (inCorso) {
            numeri.push_back(valore);
            valore = 0;
            inCorso = false;
        }
    }
    if (inCorso) numeri.push_back(valore);
    return numeri;
}

CaselleIncollate caselleDaAppunti(std::string_view appunti) {
    const std::vector<int> numeri = numeriDaAppunti(appunti);
    CaselleIncollate esito;
    if (numeri.size() != static_cast<std::size_t>(NumCaselle)) {
        esito.errore = "Il testo incollato contiene " + std::to_string(numeri.size()) +
                       (numeri.size() == 1 ? " numero" : " numeri") + ": ne servono 55, 5 per ciascuna delle 11 ruote.";
        return esito;
    }
    for (std::size_t i = 0; i < numeri.size(); ++i) {
        if (numeri[i] < 1 || numeri[i] > NumeroMassimo) {
            esito.errore = "Il testo incollato contiene " + std::to_string(numeri[i]) +
                           ", che non è un numero da 1 a 90.";
            return esito;
        }
        esito.caselle[i] = dueCifre(numeri[i]);
    }
    return esito;
}

std::vector<std::string> dubbiCalendario(const ArchivioEstrazioni& archivio, const Data& data, const Data& oggi,
                                         int minuto) {
    std::vector<std::string> dubbi;
    const std::string giorno = data.testo();
    if (!giornoEstrazioneLotto(data)) dubbi.push_back("Il " + giorno + " non è un giorno di estrazione");
    if (data > oggi || (data == oggi && minuto < MinutoEstrazione))
        dubbi.push_back("L'estrazione del " + giorno + " non si è ancora tenuta (le estrazioni sono alle 20:00)");
    int prima = 0;  // the archive's last draw before `data`
    while (prima < archivio.NumEstrazioni() && archivio.DataEstrazione(prima + 1) < data) ++prima;
    if (prima > 0) {
        const int mancanti = estrazioniInCalendarioTra(archivio.DataEstrazione(prima), data);
        if (mancanti == 1) dubbi.push_back("Manca 1 estrazione prima del " + giorno);
        else if (mancanti > 1)
            dubbi.push_back("Mancano " + std::to_string(mancanti) + " estrazioni prima del " + giorno);
    }
    return dubbi;
}

RuoteInserite ruoteDaCaselle(const TestiCaselle& caselle) {
    RuoteInserite esito;
    int ruoteCompilate = 0;
    for (int k = 0; k < NumRuote; ++k) {
        const std::string ruota = "Ruota di " + nomeRuota(k) + ": ";
        std::bitset<NumeroMassimo + 1> visti;
        int compilate = 0;
        std::string testo;
        for (int p = 0; p < NumPosizioni; ++p) {
            const std::string& casella = caselle[k * NumPosizioni + p];
            if (p > 0) testo += '-';
            testo += formattaCasella(casella);
            if (casella.empty()) continue;
            const int n = valoreCasella(casella);
            if (!soloCifre(casella) || casella.size() > 2 || (n > NumeroMassimo && n != 99)) {
                esito.errore = ruota + "\"" + casella + "\" non è un numero del Lotto.";
                return esito;
            }
            if (n == 0) continue;
            ++compilate;
            if (n == 99) continue;
            if (visti[n]) {
                esito.errore = ruota + "il numero " + dueCifre(n) + " è ripetuto.";
                return esito;
            }
            visti[n] = true;
        }
        if (compilate > 0 && compilate < NumPosizioni) {
            esito.errore = ruota +
                           "compilata solo in parte. Inserire tutti e cinque i numeri "
                           "o lasciare vuota la ruota.";
            return esito;
        }
        // 99 marks a wheel not drawn: the archive reads it only on all five numbers.
        if (!leggiRuotaArchivio(testo)) {
            esito.errore = ruota + "99 (ruota non estratta) va in tutte e cinque le caselle.";
            return esito;
        }
        ruoteCompilate += compilate > 0;
        esito.ruote[k] = std::move(testo);
    }
    if (ruoteCompilate == 0) esito.errore = "Nessun numero inserito.";
    return esito;
}

}  // namespace quorvane
