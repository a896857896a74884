#pragma once
// The fields the new-customer window and the detail window share: built once here, each window
// lays them out and keeps them as its own named members.
#include "customers/customerform.h"

#include <QStringList>

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

struct CustomerEditors {
    QLineEdit *txtTel = nullptr;
    QLineEdit *txtNameKana = nullptr;
    QLineEdit *txtZip = nullptr;
    QPushButton *cmdZip = nullptr;
    QLineEdit *txtShiku = nullptr;
    QLineEdit *txtBanchi = nullptr;
    QLineEdit *txtBuilding = nullptr;
    QPushButton *cmdBuilding = nullptr;
    QComboBox *cboDouki = nullptr;
    QRadioButton *optDM[2] = {nullptr, nullptr}; // "する", "しない"
    QLineEdit *txtEtc = nullptr;
    QLineEdit *txtPoint = nullptr; // detail window only

    CustomerFormFields fields() const;
    void show(const CustomerFormFields &fields);
};

struct CustomerEditorOptions {
    QString zipCaption; // "参照(&R)" or "参照(&S)..."
    int remarksLimit = 50;
    bool withPoints = false;
    QStringList motives;
};

// Creates the fields as children of `parent` with their limits and input modes.
CustomerEditors MakeCustomerEditors(QWidget *parent, const CustomerEditorOptions &options);

// `changed` runs on every edit of a text field and every motive choice (not on a DM choice);
// the postal-code button follows its rule; the two look-up buttons run their look-ups.
void ConnectCustomerEditors(QWidget *window, const CustomerEditors &e, QStringList &buildingList,
                            const std::function<void()> &changed);
