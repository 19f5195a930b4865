#include "app/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

Clipboard::Clipboard(QObject *parent)
    : QObject(parent)
{
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &Clipboard::textChanged);
}

QString Clipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

void Clipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}
