#ifndef BASESERVICE_H
#define BASESERVICE_H

#include <QObject>

// Kept for the service layer's shape; the services do not derive from it.
class BaseService : public QObject
{
    Q_OBJECT
public:
    explicit BaseService(QObject *parent = nullptr);
};

#endif // BASESERVICE_H
