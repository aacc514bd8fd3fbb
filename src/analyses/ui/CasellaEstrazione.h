#pragma once
// A box for one draw of the archive, typed as its index or as its date "GG/MM/AAAA".
#include <QSpinBox>

namespace quorvane {

class ArchivioEstrazioni;

class CasellaEstrazione : public QSpinBox {
    Q_OBJECT
public:
    CasellaEstrazione(const ArchivioEstrazioni& archivio, const char* nome, QWidget* padre);

protected:
    QValidator::State validate(QString& testo, int& posizione) const override;
    int valueFromText(const QString& testo) const override;

private:
    const ArchivioEstrazioni& archivio_;
};

}  // namespace quorvane
