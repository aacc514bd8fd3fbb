#pragma once
// Builders shared by the pages of the index window: its lists, its small boards and its help
// buttons.
#include <QStringList>

class QComboBox;
class QPushButton;
class QWidget;

namespace quorvane {

class MetodoIndice;
class VistaGriglia;
struct Previsione;

// The help topic of the index window.
inline constexpr int ArgomentoHelpIndice = 400;

// A list named `nome` holding `voci`, standing on `scelta`.
QComboBox* listaScelte(QWidget* padre, const char* nome, const QStringList& voci, int scelta);
// "da".."a" as texts.
QStringList numeri(int da, int a);
// A grid sized to show all its cells, for the small boards.
void dimensionaTavola(VistaGriglia* vista, int larghezzaCella);
// Exactly as high as its rows.
void adattaAltezza(VistaGriglia* vista);
// Says why `previsione` cannot join the list (the list full, the forecast already there, or a
// sorte its numbers cannot make) and returns true; false when it can.
bool previsioneRifiutata(QWidget* padre, const MetodoIndice& metodo, const Previsione& previsione);
// "Help in linea", opening the topic of the index window.
QPushButton* pulsanteHelp(QWidget* padre, const char* nome);

}  // namespace quorvane
