#include "analyses/ui/SceltaPeriodo.h"

#include <QHBoxLayout>
#include <algorithm>

#include "analyses/ui/CasellaEstrazione.h"
#include "core/ArchivioEstrazioni.h"
#include "core/ui/Controlli.h"

namespace quorvane {

SceltaPeriodo::SceltaPeriodo(const ArchivioEstrazioni& archivio, QWidget* padre) : QWidget(padre), archivio_(archivio) {
    dal_ = new CasellaEstrazione(archivio, "SpinDal", this);
    al_ = new CasellaEstrazione(archivio, "SpinAl", this);
    dataDal_ = etichetta(this, "LblDal");
    dataAl_ = etichetta(this, "LblAl");
    for (QLabel* data : {dataDal_, dataAl_}) data->setMinimumWidth(80);
    auto* tutto = pulsante(this, "CmdTutto", QStringLiteral("Tutto l'archivio"));
    connect(tutto, &QPushButton::clicked, this, [this] {
        imposta(dal_->minimum(), al_->maximum());
        emit tuttoLArchivio();
    });
    connect(dal_, &QSpinBox::valueChanged, this, &SceltaPeriodo::mostraDate);
    connect(al_, &QSpinBox::valueChanged, this, &SceltaPeriodo::mostraDate);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(etichettaPer(dal_, QStringLiteral("Dall'estrazione")));
    layout->addWidget(dal_);
    layout->addWidget(dataDal_);
    layout->addWidget(etichettaPer(al_, QStringLiteral("all'estrazione")));
    layout->addWidget(al_);
    layout->addWidget(dataAl_);
    layout->addWidget(tutto);

    const int ultima = std::max(1, archivio_.NumEstrazioni());
    dal_->setRange(1, ultima);
    al_->setRange(1, ultima);
    imposta(1, ultima);
    mostraDate();
}

int SceltaPeriodo::dal() const {
    return dal_->value();
}

int SceltaPeriodo::al() const {
    return al_->value();
}

void SceltaPeriodo::imposta(int dal, int al) {
    dal_->setValue(dal);
    al_->setValue(al);
}

void SceltaPeriodo::seguiArchivio() {
    const bool finoAllUltima = al_->value() == al_->maximum();
    const int ultima = std::max(1, archivio_.NumEstrazioni());
    dal_->setMaximum(ultima);
    al_->setMaximum(ultima);
    if (finoAllUltima) al_->setValue(ultima);
    mostraDate();
}

void SceltaPeriodo::mostraDate() {
    const auto data = [this](int d) {
        return archivio_.contiene(d) ? QString::fromStdString(archivio_.DateEstrazioni(d)) : QString();
    };
    dataDal_->setText(data(dal_->value()));
    dataAl_->setText(data(al_->value()));
}

}  // namespace quorvane
