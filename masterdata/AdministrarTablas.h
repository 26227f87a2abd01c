#pragma once
#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>
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

// The opening routines of the table windows, one per window class. Each creates its
// window, stores the descriptor, loads the grid from sql, sets the caption (the text of
// the system window's list) and shows the window modally, freeing it when it closes.
// Prepared with mostrar false, it keeps the loaded window in `ventana` instead.
class AperturaTabla {
public:
    AperturaTabla(TFMain& principal, QWidget* padre, QString titulo, bool mostrar = true);
    ~AperturaTabla();

    void AdministrarTablasCUIT(const QString& sTabla, const QString& sNombre, const QString& sCUIT,
                               const QString& sID, const QString& sql);
    void AdministrarTablasCUITAdicionales(const QString& sTabla, const QString& sNombre, const QString& sCUIT,
                                          const QString& sID, const QString& sql);
    void AdministrarTablasChoferes(const QString& sTabla, const QString& sNombre, const QString& sCUIT,
                                   const QString& sID, const QString& sql);
    void AdministrarTablasGranos(const QString& sTabla, const QString& sNombre, const QString& sID,
                                 const QString& sql);
    void AdministrarLocalidades(const QString& sTabla, const QString& sNombre, const QString& sID,
                                const QString& sql);
    void AdministrarDirecciones(const QString& sTabla, const QString& sNombre, const QString& sLocalidad,
                                const QString& sID, const QString& sql);

    std::unique_ptr<TFTabla> ventana;   // the prepared window when not shown

private:
    void abrir(std::unique_ptr<TFTabla> nueva, DescriptorTabla descriptor,
               const std::function<void(TFTabla&)>& ajustar = {});

    TFMain& principal_;
    QWidget* padre_;
    QString titulo_;
    bool mostrar_;
};

// The dispatcher of "Administrar tabla": calls the opening routine of the table at that
// list position with its descriptor; a position outside the list does nothing.
void abrirTablaPorPosicion(int posicion, AperturaTabla& apertura);

// Opens the table window of a list position modally (the system window's "Administrar
// tabla"); a position outside the list does nothing. Returns when the window closes.
void AdministrarTabla(int posicion, TFMain& principal, QWidget* padre);

// Opens the holders window modally (the system window's "Administrar titulares").
void AdministrarTitulares(TFMain& principal, QWidget* padre);

// The same windows, created and loaded (descriptor, grid, caption) but not shown:
// what the two routines above show modally. nullptr for a position outside the list.
std::unique_ptr<TFTabla> crearVentanaTabla(int posicion, TFMain& principal, QWidget* padre);
std::unique_ptr<TFTablaTitulares> crearVentanaTitulares(TFMain& principal, QWidget* padre);
