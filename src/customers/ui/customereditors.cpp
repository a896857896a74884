#include "customers/ui/customereditors.h"

#include "customers/ui/frmBuildingIn.h"
#include "customers/ui/postallookup.h"
#include "platform/ui/widgetnaming.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace
{

QLineEdit *field(QWidget *parent, const char *name, int limit, Qt::InputMethodHints hints = Qt::ImhNone)
{
    auto *e = named(new QLineEdit(parent), name);
    e->setMaxLength(limit);
    if (hints != Qt::ImhNone)
        e->setInputMethodHints(hints);
    return e;
}

} // namespace

CustomerEditors MakeCustomerEditors(QWidget *parent, const CustomerEditorOptions &o)
{
    CustomerEditors e;
    // Input method off for numbers; the kana name asks for half-width katakana.
    e.txtTel = field(parent, "txtTel", 12, Qt::ImhDialableCharactersOnly | Qt::ImhLatinOnly);
    e.txtNameKana = field(parent, "txtNameKana", 30, Qt::ImhPreferLatin);
    e.txtZip = field(parent, "txtZip", 8, Qt::ImhPreferNumbers | Qt::ImhLatinOnly);
    e.cmdZip = named(new QPushButton(o.zipCaption, parent), "cmdZip", QStringLiteral("郵便番号の参照"));
    e.txtShiku = field(parent, "txtShiku", 25);
    e.txtBanchi = field(parent, "txtBanchi", 25);
    e.txtBuilding = field(parent, "txtBuilding", 20);
    e.cmdBuilding =
        named(new QPushButton(QStringLiteral("参照(&S)"), parent), "cmdBuilding", QStringLiteral("マンション名の参照"));
    e.cboDouki = named(new QComboBox(parent), "cboDouki");
    e.cboDouki->addItems(o.motives);
    e.cboDouki->setCurrentIndex(-1);
    e.optDM[0] = named(new QRadioButton(QStringLiteral("する"), parent), "optDM0", QStringLiteral("DM送付する"));
    e.optDM[1] = named(new QRadioButton(QStringLiteral("しない"), parent), "optDM1", QStringLiteral("DM送付しない"));
    e.optDM[0]->setChecked(true);
    e.txtEtc = field(parent, "txtEtc", o.remarksLimit);
    if (o.withPoints)
        e.txtPoint = field(parent, "txtPoint", 6, Qt::ImhFormattedNumbersOnly | Qt::ImhLatinOnly);
    return e;
}

CustomerFormFields CustomerEditors::fields() const
{
    CustomerFormFields f;
    f.Tel = txtTel->text();
    f.NameKana = txtNameKana->text();
    f.Zip = txtZip->text();
    f.City = txtShiku->text();
    f.Banchi = txtBanchi->text();
    f.Building = txtBuilding->text();
    f.Remarks = txtEtc->text();
    if (txtPoint)
        f.Points = txtPoint->text();
    f.Motive = cboDouki->currentIndex();
    f.DmFlag = optDM[1]->isChecked() ? 1 : 0;
    return f;
}

void CustomerEditors::show(const CustomerFormFields &f)
{
    txtTel->setText(f.Tel);
    txtNameKana->setText(f.NameKana);
    txtZip->setText(f.Zip);
    txtShiku->setText(f.City);
    txtBanchi->setText(f.Banchi);
    txtBuilding->setText(f.Building);
    txtEtc->setText(f.Remarks);
    if (txtPoint)
        txtPoint->setText(f.Points);
    cboDouki->setCurrentIndex(f.Motive >= 0 && f.Motive < cboDouki->count() ? f.Motive : -1);
    optDM[f.DmFlag == 1 ? 1 : 0]->setChecked(true);
}

void ConnectCustomerEditors(QWidget *window, const CustomerEditors &e, QStringList &buildingList,
                            const std::function<void()> &changed)
{
    for (QLineEdit *edit :
         {e.txtTel, e.txtNameKana, e.txtZip, e.txtShiku, e.txtBanchi, e.txtBuilding, e.txtEtc, e.txtPoint}) {
        if (edit)
            QObject::connect(edit, &QLineEdit::textChanged, window, [changed] { changed(); });
    }
    QObject::connect(e.cboDouki, &QComboBox::activated, window, [changed] { changed(); });

    const auto zipRule = [e] { e.cmdZip->setEnabled(!e.txtZip->text().isEmpty() || !e.txtShiku->text().isEmpty()); };
    QObject::connect(e.txtZip, &QLineEdit::textChanged, window, zipRule);
    QObject::connect(e.txtShiku, &QLineEdit::textChanged, window, zipRule);
    zipRule();

    QObject::connect(e.cmdZip, &QPushButton::clicked, window,
                     [e, window] { RunPostalLookup(e.txtZip, e.txtShiku, window); });
    QObject::connect(e.cmdBuilding, &QPushButton::clicked, window, [e, window, &buildingList] {
        RunBuildingLookup(window, buildingList, e.txtShiku->text(), e.txtBanchi->text(), e.txtBuilding);
    });
}
