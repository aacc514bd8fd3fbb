#pragma once
// "Memo serie": formations put aside from the list, to be copied back onto the number board.
#include <QWidget>
#include <string>
#include <vector>

#include "index/ui/ContestoIndice.h"

namespace quorvane {

class VistaGriglia;

class PaginaMemo : public QWidget {
    Q_OBJECT
public:
    PaginaMemo(ContestoIndice& contesto, QWidget* padre = nullptr);

    // A formation row at the bottom of the memo: coverage, then its numbers.
    void aggiungi(const std::vector<std::string>& celle);
    void svuota();
    // "Copia numeri riga in selezione": the board holds the numbers of the selected row.
    void copiaNumeriRigaInSelezione();

signals:
    void numeriInSelezione();

private:
    ContestoIndice& contesto_;
    VistaGriglia* memoSerie_;  // FgSerie
};

}  // namespace quorvane
