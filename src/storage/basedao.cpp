#include "storage/basedao.h"

BaseDao::BaseDao(QObject *parent)
    : QObject(parent)
{ }
