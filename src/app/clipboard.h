#ifndef CLIPBOARD_H
#define CLIPBOARD_H

#include <QObject>
#include <QString>

// The system clipboard's text for QML, which has no clipboard of its own on
// the phone's Qt: a run code is copied here and pasted into a message.
class Clipboard : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    explicit Clipboard(QObject *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

signals:
    void textChanged();
};

#endif // CLIPBOARD_H
