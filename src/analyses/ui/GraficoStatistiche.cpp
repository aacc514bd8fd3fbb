#include "analyses/ui/GraficoStatistiche.h"

#include <algorithm>
#include <numeric>

#include "analyses/Statistiche.h"

namespace quorvane {

const std::vector<ColonnaStatistiche>& GraficoStatistiche::figure() {
    static const std::vector<ColonnaStatistiche> elenco = {ColonnaStatistiche::Presenze, ColonnaStatistiche::Rapporto,
                                                           ColonnaStatistiche::RitardoAttuale,
                                                           ColonnaStatistiche::RitardoMedio};
    return elenco;
}

GraficoStatistiche::GraficoStatistiche(QWidget* padre) : Grafico(padre) {
    setObjectName(QStringLiteral("GraficoStatistiche"));
    connect(this, &Grafico::barraCliccata, this, [this](int barra) {
        if (barra >= 0 && barra < static_cast<int>(elementi_.size()))
            emit elementoCliccato(elementi_[static_cast<std::size_t>(barra)]);
    });
}

void GraficoStatistiche::svuota() {
    elementi_.clear();
    Grafico::svuota();
}

QString GraficoStatistiche::scegliElementi(const Statistiche& statistiche, const std::vector<int>& ordineAmbi,
                                           const QString& nome) {
    switch (statistiche.richiesta().tipo) {
        case TipoStatistiche::Ambi:
            elementi_.assign(ordineAmbi.begin(),
                             ordineAmbi.begin() + std::min<std::ptrdiff_t>(std::ssize(ordineAmbi), BarreAmbi));
            return QStringLiteral("%1: i %2 ambi più alti").arg(nome).arg(elementi_.size());
        case TipoStatistiche::Gruppi:
            elementi_.resize(static_cast<std::size_t>(statistiche.elementi()));
            std::iota(elementi_.begin(), elementi_.end(), 0);
            return QStringLiteral("%1 dei gruppi").arg(nome);
        default:
            elementi_.resize(static_cast<std::size_t>(statistiche.elementi()));
            std::iota(elementi_.begin(), elementi_.end(), 0);
            return QStringLiteral("%1 dei 90 numeri").arg(nome);
    }
}

void GraficoStatistiche::mostra(const Statistiche& statistiche, ColonnaStatistiche figura) {
    const bool ambi = statistiche.richiesta().tipo == TipoStatistiche::Ambi;
    const std::string_view intestazione = intestazioneStatistiche(figura);
    const QString nome = QString::fromUtf8(intestazione.data(), static_cast<qsizetype>(intestazione.size()));
    DatiGrafico dati;
    dati.titolo = scegliElementi(statistiche, ambi ? statistiche.ordine(figura, true) : std::vector<int>{}, nome);
    SerieGrafico barre;
    barre.nome = nome;
    bool interi = true;
    for (int e : elementi_) {
        dati.elementi.push_back(QString::fromStdString(statistiche.nome(e)));
        barre.y.push_back(statistiche.valore(e, figura));
        interi = interi && barre.y.back() == static_cast<double>(static_cast<long long>(barre.y.back()));
    }
    dati.decimali = interi ? 0 : 2;
    dati.serie.push_back(std::move(barre));
    // None where the elements have no common chance (groups of different sizes).
    if (const std::optional<double> caso = statistiche.valoreCaso(figura))
        dati.caso = CasoGrafico{*caso, statistiche.sigmaCaso(figura).value_or(0), 0.0};
    Grafico::mostra(std::move(dati));
}

void GraficoStatistiche::mostraScarto(const Statistiche& statistiche) {
    const QString nome = QStringLiteral("Scarto dal caso");
    std::vector<int> ordineAmbi;
    if (statistiche.richiesta().tipo == TipoStatistiche::Ambi) {
        ordineAmbi.resize(static_cast<std::size_t>(statistiche.elementi()));
        std::iota(ordineAmbi.begin(), ordineAmbi.end(), 0);
        std::stable_sort(ordineAmbi.begin(), ordineAmbi.end(), [&statistiche](int a, int b) {
            return statistiche.scartoDalCaso(a) > statistiche.scartoDalCaso(b);
        });
    }
    const QString titolo = scegliElementi(statistiche, ordineAmbi, nome) +
                           QStringLiteral(" (presenze meno attese, in deviazioni standard)");
    std::vector<QString> nomi;
    std::vector<double> scarti;
    for (int e : elementi_) {
        nomi.push_back(QString::fromStdString(statistiche.nome(e)));
        scarti.push_back(statistiche.scartoDalCaso(e));
    }
    Grafico::mostra(datiScarto(titolo, std::move(nomi), std::move(scarti)));
}

}  // namespace quorvane
