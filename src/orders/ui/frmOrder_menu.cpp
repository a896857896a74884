// The order window's menu section: refreshing the lists and what follows a change of the lines.
#include "orders/ui/frmOrder.h"

#include "orders/ui/menuboardpanel.h"
#include "store/appdata.h"
#include "store/preferences.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTreeWidget>

void frmOrder::Re_view()
{
    fillGroups();
    picFrame->Refresh(m_data.settings);
    fillStaff(Prefs::OrderStaff.get());
    fillDeliverTo();
    updateConfirmCaption();
    UpdateCallerIdButtons();
    if (m_searchMode == 2)
        cmdAdd->setEnabled(false);
}

void frmOrder::cbo5g_Click()
{
    const int mode = cbo5g->currentIndex();
    if (mode < 0)
        return;
    switchSearchPanel(mode);
    Re_view();
    refreshCandidates();
}

void frmOrder::LinesChanged()
{
    updateLineButtons();
    RegiKeisan();
}

void frmOrder::LinesRemoved()
{
    RegiKeisan();
    updateLineButtons();
}

void frmOrder::updateLineButtons()
{
    const bool any = updateLineButtonsOnly();
    tlbGoConfirm->setEnabled(any && fraPrice->isEnabled());
}
