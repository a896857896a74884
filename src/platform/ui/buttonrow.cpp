#include "platform/ui/buttonrow.h"

#include "platform/ui/widgetnaming.h"

#include <QHBoxLayout>
#include <QPushButton>

ButtonRow OkCancelRow(QWidget *parent, const QString &okCaption, const char *okName, const QString &cancelCaption,
                      const char *cancelName)
{
    ButtonRow row;
    row.ok = named(new QPushButton(okCaption, parent), okName);
    row.cancel = named(new QPushButton(cancelCaption, parent), cancelName);
    row.ok->setDefault(true);
    row.layout = new QHBoxLayout;
    row.layout->addStretch(1);
    row.layout->addWidget(row.ok);
    row.layout->addWidget(row.cancel);
    return row;
}
