#pragma once
#include <QString>
#include <QStringList>
#include <QVector>
#include <memory>

class QWidget;
class TFMain;
class TFTabla;
class TFTablaTitulares;

// A master-data table as the table windows see it: they build every statement from it.
struct DescriptorTabla {
    enum class Clase { CUIT, CUITAdicionales, Choferes, Granos, Lugares, Localidades };
    QString titulo;               // the text of the system window's list, and the window caption
    Clase clase;                  // which window class serves it
    QString sTabla;
    QString sNombre;
    QString sCUIT;
    QString sID;
    QString sLocalidad;
    QString sql;                  // the grid query
};

// The fourteen tables of the system window's list, in list order.
const QVector<DescriptorTabla>& descriptoresTablas();

// Opens the table window of a list position modally (the system window's "Administrar
// tabla"); a position outside the list does nothing. Returns when the window closes.
void AdministrarTabla(int posicion, TFMain& principal, QWidget* padre);

// Opens the holders window modally (the system window's "Administrar titulares").
void AdministrarTitulares(TFMain& principal, QWidget* padre);

// The same windows, created and loaded (descriptor, grid, caption) but not shown:
// what the two routines above show modally. nullptr for a position outside the list.
std::unique_ptr<TFTabla> crearVentanaTabla(int posicion, TFMain& principal, QWidget* padre);
std::unique_ptr<TFTablaTitulares> crearVentanaTitulares(TFMain& principal, QWidget* padre);
