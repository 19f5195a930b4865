#ifndef BASEDAO_H
#define BASEDAO_H

#include <QObject>

// Kept for the data-access layer's shape; the data-access objects are
// self-contained and do not derive from it.
class BaseDao : public QObject
{
    Q_OBJECT
public:
    explicit BaseDao(QObject *parent = nullptr);
};

#endif // BASEDAO_H
