#pragma once
// The period of a statistics view: first and last draw typed as index or date, their dates
// beside them, and "Tutto l'archivio".
#include <QWidget>

class QLabel;

namespace quorvane {

class ArchivioEstrazioni;
class CasellaEstrazione;

class SceltaPeriodo : public QWidget {
    Q_OBJECT
public:
    SceltaPeriodo(const ArchivioEstrazioni& archivio, QWidget* padre);

    int dal() const;
    int al() const;
    void imposta(int dal, int al);
    // After a reload: the boxes span the new archive, and a period that ended with the last
    // draw keeps ending with it.
    void seguiArchivio();

signals:
    // "Tutto l'archivio" pressed: the period is the whole archive.
    void tuttoLArchivio();

private:
    void mostraDate();

    const ArchivioEstrazioni& archivio_;
    CasellaEstrazione* dal_;  // SpinDal
    CasellaEstrazione* al_;   // SpinAl
    QLabel* dataDal_;         // LblDal
    QLabel* dataAl_;          // LblAl
};

}  // namespace quorvane
