#include "store/appdata.h"

#include "store/settingfiles.h"

void AppData::LoadAll()
{
    if (records.OpenRecordFiles())
        records.BuildIndexes();
    LoadAllSettings(settings);
}
