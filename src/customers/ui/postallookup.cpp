#include "customers/ui/postallookup.h"

#include "customers/ui/frmPost.h"
#include "customers/ui/frmPostPA.h"

#include <QLineEdit>

void RunPostalLookup(QLineEdit *zipField, QLineEdit *addressField, QWidget *parent)
{
    if (!zipField || !addressField)
        return;
    std::optional<ZipDirection> direction = LookupDirection(zipField->text(), addressField->text());
    if (!direction) {
        frmPostPA ask(parent);
        ask.exec();
        direction = ask.chosen();
        if (!direction)
            return;
    }
    frmPost dlg(*direction, zipField, addressField, parent);
    dlg.Search();
    dlg.exec();
}
