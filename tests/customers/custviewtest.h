#pragma once
// A data folder with a handful of customers and the search window open on it.
#include <gtest/gtest.h>

#include "customers/customersearch.h"
#include "customers/ui/frmCustView.h"
#include "mock/testfolder.h"
#include "mock/testprompt.h"
#include "platform/ui/kanakeypad.h"
#include "store/appdata.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

#include <memory>
#include <set>

struct CustViewTest : ::testing::Test {
    TestDataFolder folder;
    TestPrompt prompt;
    AppData data{folder.path()};
    std::unique_ptr<frmCustView> window;

    void SetUp() override
    {
        data.settings.Shop.ShopTel = {QStringLiteral("03"), QStringLiteral("1234"), QStringLiteral("5678")};
        data.records.OpenRecordFiles();
        data.records.BuildIndexes();
    }

    void addCustomer(qint32 id, const QString &tel, const QString &name)
    {
        CustomerRecord c;
        c.CustomerId = id;
        c.Tel = tel;
        c.NameKana = name;
        c.City = QStringLiteral("東京都新宿区");
        ASSERT_TRUE(data.records.AddCustomer(c));
    }

    void open()
    {
        window = std::make_unique<frmCustView>(data);
        window->resize(900, 700);
        window->show();
    }

    // Every listed row as "id tel name".
    QStringList rows() const
    {
        QStringList out;
        QAbstractItemModel *m = window->lsvCust->model();
        for (int r = 0; r < m->rowCount(); ++r)
            out << m->index(r, 0).data().toString() + " " + m->index(r, 1).data().toString() + " " +
                       m->index(r, 2).data().toString();
        return out;
    }

    // The codes of the keys that can be pressed.
    std::set<int> enabledKeys() const
    {
        std::set<int> out;
        for (int code = KanaKeypad::kFirstCode; code <= KanaKeypad::kLastCode; ++code)
            if (window->cmd50->key(code)->isEnabled())
                out.insert(code);
        return out;
    }

    static std::set<int> codes(const QString &characters)
    {
        std::set<int> out;
        for (QChar ch : characters)
            out.insert(KeypadCode(ch));
        return out;
    }

    void tap(QChar kana) { QTest::mouseClick(window->cmd50->key(KeypadCode(kana)), Qt::LeftButton); }

    void clickHeader(int column)
    {
        QHeaderView *h = window->lsvCust->header();
        const QPoint at(h->sectionViewportPosition(column) + h->sectionSize(column) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, at);
    }

    bool commandsEnabled() const
    {
        return window->mnuDetail->isEnabled() && window->tlbDetail->isEnabled() && window->mnuDel->isEnabled() &&
               window->tlbDel->isEnabled();
    }
    bool commandsDisabled() const
    {
        return !window->mnuDetail->isEnabled() && !window->tlbDetail->isEnabled() && !window->mnuDel->isEnabled() &&
               !window->tlbDel->isEnabled();
    }
};
