#include "app/localchanges.h"

LocalChanges *LocalChanges::instance()
{
    static LocalChanges changes;
    return &changes;
}
