#include "store/appdata.h"

#include "store/settingfiles.h"

void AppData::LoadAll()
{
    if (records.OpenRecordFiles())
        records.BuildIndexes();
    records.CurrentCustomerPos = 1;
    records.CurrentSalePos = 1;
    LoadAllSettings(settings);
}
