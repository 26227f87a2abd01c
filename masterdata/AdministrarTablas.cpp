#include "masterdata/AdministrarTablas.h"

#include "masterdata/UTablaCUIT.h"
#include "masterdata/UTablaCUITAdicionales.h"
#include "masterdata/UTablaChoferes.h"
#include "masterdata/UTablaGranos.h"
#include "masterdata/UTablaLocalidades.h"
#include "masterdata/UTablaLugares.h"
#include "masterdata/UTablaTitulares.h"

namespace {

using Clase = DescriptorTabla::Clase;

DescriptorTabla conCUIT(const QString& titulo, Clase clase, const QString& tabla, const QString& nombre,
                        const QString& cuit, const QString& id)
{
    QString sql;
    if (clase == Clase::CUITAdicionales) {
        const QString domicilio = tabla == QStringLiteral("Transportistas") ? QStringLiteral("TransportistaDomicilio")
                                                                            : QStringLiteral("DestinatarioDomicilio");
        sql = QStringLiteral("SELECT %1.%2 AS Nombre, %1.%3 AS CUIT, %1.%4 AS ID, %1.%5 AS Domicilio,"
                             " Localidades.LocalidadNombre AS Localidad FROM %1 LEFT JOIN Localidades"
                             " ON %1.%5LocalidadID = Localidades.LocalidadID ORDER BY %1.%2")
                  .arg(tabla, nombre, cuit, id, domicilio);
    } else {
        sql = QStringLiteral("SELECT %2 AS Nombre, %3 AS CUIT, %4 AS ID FROM %1 ORDER BY %2").arg(tabla, nombre, cuit, id);
    }
    return {titulo, clase, tabla, nombre, cuit, id, {}, sql};
}

DescriptorTabla soloNombre(const QString& titulo, const QString& tabla, const QString& nombre, const QString& id)
{
    return {titulo, Clase::Granos, tabla, nombre, {}, id, {},
            QStringLiteral("SELECT %2 AS Nombre, %3 AS ID FROM %1 ORDER BY %2").arg(tabla, nombre, id)};
}

DescriptorTabla lugar(const QString& titulo, const QString& tabla, const QString& nombre, const QString& id,
                      const QString& localidad, const QString& establecimiento)
{
    const QString sql = QStringLiteral(
        "SELECT %1.%2 AS Direccion, Localidades.LocalidadNombre AS Localidad, Provincias.ProvinciaNombre AS Provincia,"
        " %1.%3 AS ID, Localidades.LocalidadID AS LocalidadID, Provincias.ProvinciaID AS ProvinciaID,"
        " %5 AS Establecimiento"
        " FROM (%1 LEFT JOIN Localidades ON %1.%4 = Localidades.LocalidadID)"
        " LEFT JOIN Provincias ON Localidades.LocalidadProvinciaID = Provincias.ProvinciaID"
        " ORDER BY %1.%2")
                            .arg(tabla, nombre, id, localidad, establecimiento);
    return {titulo, Clase::Lugares, tabla, nombre, {}, id, localidad, sql};
}

QVector<DescriptorTabla> crearDescriptores()
{
    const auto s = [](const char* texto) { return QString::fromUtf8(texto); };
    return {
        conCUIT(s("Intermediarios"), Clase::CUIT, s("Intermediarios"), s("IntermediarioNombre"), s("IntermediarioCUIT"),
                s("IntermediarioID")),
        conCUIT(s("Remitentes comerciales"), Clase::CUIT, s("RemitentesComerciales"), s("RemitenteNombre"),
                s("RemitenteCUIT"), s("RemitenteID")),
        conCUIT(s("Corredores"), Clase::CUIT, s("Corredores"), s("CorredorNombre"), s("CorredorCUIT"), s("CorredorID")),
        conCUIT(s("Representantes/Entregadores"), Clase::CUIT, s("Representantes"), s("RepresentanteNombre"),
                s("RepresentanteCUIT"), s("RepresentanteID")),
        conCUIT(s("Destinatarios"), Clase::CUITAdicionales, s("Destinatarios"), s("DestinatarioNombre"),
                s("DestinatarioCUIT"), s("DestinatarioID")),
        conCUIT(s("Destinos"), Clase::CUIT, s("Destinos"), s("DestinoNombre"), s("DestinoCUIT"), s("DestinoID")),
        conCUIT(s("Transportistas"), Clase::CUITAdicionales, s("Transportistas"), s("TransportistaNombre"),
                s("TransportistaCUIT"), s("TransportistaID")),
        {s("Choferes"), Clase::Choferes, s("Choferes"), s("ChoferNombre"), s("ChoferCUIT"), s("ChoferID"), {},
         s("SELECT * FROM Choferes ORDER BY ChoferNombre")},
        soloNombre(s("Granos/especies"), s("Granos"), s("GranoNombre"), s("GranoID")),
        soloNombre(s("Tipos de grano"), s("Tipos"), s("TipoNombre"), s("TipoID")),
        lugar(s("Procedencias de los granos"), s("Procedencias"), s("ProcedenciaDireccion"), s("ProcedenciaID"),
              s("ProcedenciaLocalidadID"), s("Procedencias.ProcedenciaEstablecimiento")),
        lugar(s("Destinos de los granos"), s("LugaresDestino"), s("LugarDestinoNombre"), s("LugarDestinoID"),
              s("LugarDestinoLocalidadID"), s("''")),
        soloNombre(s("Pagador del Flete"), s("Pagadores"), s("PagadorNombre"), s("PagadorID")),
        {s("Localidades"), Clase::Localidades, s("Localidades"), s("LocalidadNombre"), {}, s("LocalidadID"), {},
         s("SELECT Localidades.LocalidadNombre AS Localidad, Provincias.ProvinciaNombre AS Provincia,"
           " Localidades.LocalidadID AS LocalidadID, Provincias.ProvinciaID AS ProvinciaID"
           " FROM Localidades LEFT JOIN Provincias ON Localidades.LocalidadProvinciaID = Provincias.ProvinciaID"
           " ORDER BY Localidades.LocalidadNombre")},
    };
}

} // namespace

const QVector<DescriptorTabla>& descriptoresTablas()
{
    static const QVector<DescriptorTabla> descriptores = crearDescriptores();
    return descriptores;
}

AperturaTabla::AperturaTabla(TFMain& principal, QWidget* padre, QString titulo, bool mostrar)
    : principal_(principal), padre_(padre), titulo_(std::move(titulo)), mostrar_(mostrar)
{
}

AperturaTabla::~AperturaTabla() = default;

void AperturaTabla::abrir(std::unique_ptr<TFTabla> nueva, DescriptorTabla descriptor,
                          const std::function<void(TFTabla&)>& ajustar)
{
    descriptor.titulo = titulo_;
    nueva->descriptor = std::move(descriptor);
    nueva->abrirGrilla();
    nueva->setWindowTitle(titulo_);
    if (ajustar)
        ajustar(*nueva);
    if (mostrar_)
        nueva->exec();
    else
        ventana = std::move(nueva);
}

void AperturaTabla::AdministrarTablasCUIT(const QString& sTabla, const QString& sNombre, const QString& sCUIT,
                                          const QString& sID, const QString& sql)
{
    abrir(std::make_unique<TFTablaCUIT>(principal_, padre_),
          {{}, Clase::CUIT, sTabla, sNombre, sCUIT, sID, {}, sql});
}

void AperturaTabla::AdministrarTablasCUITAdicionales(const QString& sTabla, const QString& sNombre,
                                                     const QString& sCUIT, const QString& sID, const QString& sql)
{
    // The address columns follow from the table (TablasMaestras::columnaDomicilio).
    abrir(std::make_unique<TFTablaCUITAdicionales>(principal_, padre_),
          {{}, Clase::CUITAdicionales, sTabla, sNombre, sCUIT, sID, {}, sql});
}

void AperturaTabla::AdministrarTablasChoferes(const QString& sTabla, const QString& sNombre, const QString& sCUIT,
                                              const QString& sID, const QString& sql)
{
    abrir(std::make_unique<TFTablaChoferes>(principal_, padre_),
          {{}, Clase::Choferes, sTabla, sNombre, sCUIT, sID, {}, sql});
}

void AperturaTabla::AdministrarTablasGranos(const QString& sTabla, const QString& sNombre, const QString& sID,
                                            const QString& sql)
{
    abrir(std::make_unique<TFTablaGranos>(principal_, padre_), {{}, Clase::Granos, sTabla, sNombre, {}, sID, {}, sql});
}

void AperturaTabla::AdministrarLocalidades(const QString& sTabla, const QString& sNombre, const QString& sID,
                                           const QString& sql)
{
    abrir(std::make_unique<TFTablaLocalidades>(principal_, padre_),
          {{}, Clase::Localidades, sTabla, sNombre, {}, sID, {}, sql});
}

void AperturaTabla::AdministrarDirecciones(const QString& sTabla, const QString& sNombre, const QString& sLocalidad,
                                           const QString& sID, const QString& sql)
{
    // Destinations have no establishment: its column goes and the address widens.
    const bool destinos = sTabla == QStringLiteral("LugaresDestino");
    abrir(std::make_unique<TFTablaLugares>(principal_, padre_),
          {{}, Clase::Lugares, sTabla, sNombre, {}, sID, sLocalidad, sql}, [destinos](TFTabla& ventana) {
              if (destinos)
                  static_cast<TFTablaLugares&>(ventana).ocultarEstablecimiento();
          });
}

void abrirTablaPorPosicion(int posicion, AperturaTabla& apertura)
{
    if (posicion < 0 || posicion >= descriptoresTablas().size())
        return;
    const DescriptorTabla& t = descriptoresTablas().at(posicion);
    switch (t.clase) {
    case Clase::CUIT:
        apertura.AdministrarTablasCUIT(t.sTabla, t.sNombre, t.sCUIT, t.sID, t.sql);
        break;
    case Clase::CUITAdicionales:
        apertura.AdministrarTablasCUITAdicionales(t.sTabla, t.sNombre, t.sCUIT, t.sID, t.sql);
        break;
    case Clase::Choferes:
        apertura.AdministrarTablasChoferes(t.sTabla, t.sNombre, t.sCUIT, t.sID, t.sql);
        break;
    case Clase::Granos:
        apertura.AdministrarTablasGranos(t.sTabla, t.sNombre, t.sID, t.sql);
        break;
    case Clase::Lugares:
        apertura.AdministrarDirecciones(t.sTabla, t.sNombre, t.sLocalidad, t.sID, t.sql);
        break;
    case Clase::Localidades:
        apertura.AdministrarLocalidades(t.sTabla, t.sNombre, t.sID, t.sql);
        break;
    }
}

std::unique_ptr<TFTabla> crearVentanaTabla(int posicion, TFMain& principal, QWidget* padre)
{
    if (posicion < 0 || posicion >= descriptoresTablas().size())
        return {};
    AperturaTabla apertura(principal, padre, descriptoresTablas().at(posicion).titulo, false);
    abrirTablaPorPosicion(posicion, apertura);
    return std::move(apertura.ventana);
}

void AdministrarTabla(int posicion, TFMain& principal, QWidget* padre)
{
    if (posicion < 0 || posicion >= descriptoresTablas().size())
        return;
    AperturaTabla apertura(principal, padre, descriptoresTablas().at(posicion).titulo);
    abrirTablaPorPosicion(posicion, apertura);
}

std::unique_ptr<TFTablaTitulares> crearVentanaTitulares(TFMain& principal, QWidget* padre)
{
    auto ventana = std::make_unique<TFTablaTitulares>(principal, padre);
    ventana->abrirGrilla();
    return ventana;
}

void AdministrarTitulares(TFMain& principal, QWidget* padre)
{
    crearVentanaTitulares(principal, padre)->exec();
}
