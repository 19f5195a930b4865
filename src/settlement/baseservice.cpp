#include "baseservice.h"

BaseService::BaseService(QObject *parent)
    : QObject(parent)
{ }
