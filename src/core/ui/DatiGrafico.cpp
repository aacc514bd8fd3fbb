#include "core/ui/DatiGrafico.h"

#include <QLocale>
#include <cmath>

namespace quorvane {

bool DatiGrafico::aBarre() const {
    return std::any_of(serie.begin(), serie.end(),
                       [](const SerieGrafico& s) { return s.forma == SerieGrafico::Forma::Barre; });
}

QString testoValoreGrafico(double valore, int decimali) {
    QLocale italiano(QLocale::Italian);
    italiano.setNumberOptions(QLocale::OmitGroupSeparator);
    if (std::abs(valore) < 0.5 * std::pow(10.0, -decimali)) valore = 0;  // no "-0"
    return italiano.toString(valore, 'f', decimali);
}

QString testoCaso(const CasoGrafico& c) {
    return QStringLiteral("Caso: %1").arg(testoValoreGrafico(c.valore, 2));
}

QString testoFascia(const CasoGrafico& c) {
    return QStringLiteral("±2σ: %1 – %2").arg(testoValoreGrafico(c.sotto(), 2), testoValoreGrafico(c.sopra(), 2));
}

DatiGrafico datiScarto(const QString& titolo, std::vector<QString> elementi, std::vector<double> scarti) {
    DatiGrafico dati;
    dati.titolo = titolo;
    dati.elementi = std::move(elementi);
    SerieGrafico barre;
    barre.nome = QStringLiteral("Scarto dal caso (σ)");
    barre.y = std::move(scarti);
    dati.serie.push_back(std::move(barre));
    dati.caso = CasoGrafico{0, 1, std::nullopt};
    dati.decimali = 2;
    return dati;
}

}  // namespace quorvane
