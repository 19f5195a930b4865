#include "settlement/baseservice.h"

BaseService::BaseService(QObject *parent)
    : QObject(parent)
{ }
