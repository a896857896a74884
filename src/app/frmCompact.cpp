#include "app/frmCompact.h"
#include "platform/ui/widgetnaming.h"

#include "store/recordstore.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

frmCompact::frmCompact(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    named(this, "frmCompact");
    setWindowTitle(QStringLiteral("終了処理中..."));
    setModal(true);
    lblMessage = named(new QLabel(this), "lblMessage");
    prgBar = named(new QProgressBar(this), "prgBar");
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblMessage);
    layout->addWidget(prgBar);
    setMinimumWidth(360);
}

bool frmCompact::Run(RecordStore &records)
{
    show();
    QElapsedTimer sinceRepaint;
    sinceRepaint.start();
    auto progress = [&](qint64 value, qint64 maximum) {
        // Progress values can exceed int; the bar shows thousandths of the whole.
        prgBar->setMaximum(1000);
        prgBar->setValue(maximum > 0 ? int(qMin<qint64>(1000, value * 1000 / maximum)) : 0);
        if (sinceRepaint.elapsed() > 30) {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            sinceRepaint.restart();
        }
    };
    lblMessage->setText(QStringLiteral("顧客ファイルの最適化中..."));
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    bool ok = records.CompactCustomers(progress);
    lblMessage->setText(QStringLiteral("売上ファイルの最適化中..."));
    prgBar->setValue(0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    ok = records.CompactSales(progress) && ok;
    close();
    return ok;
}
