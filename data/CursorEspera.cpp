#include "data/CursorEspera.h"

#include <QCursor>
#include <QGuiApplication>

CursorEspera::CursorEspera()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        activo_ = true;
    }
}

CursorEspera::~CursorEspera()
{
    if (activo_)
        QGuiApplication::restoreOverrideCursor();
}
