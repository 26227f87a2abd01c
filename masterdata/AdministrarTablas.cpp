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

std::unique_ptr<TFTabla> crearClase(Clase clase, TFMain& principal, QWidget* padre)
{
    switch (clase) {
    case Clase::CUIT:
        return std::make_unique<TFTablaCUIT>(principal, padre);
    case Clase::CUITAdicionales:
        return std::make_unique<TFTablaCUITAdicionales>(principal, padre);
    case Clase::Choferes:
        return std::make_unique<TFTablaChoferes>(principal, padre);
    case Clase::Granos:
        return std::make_unique<TFTablaGranos>(principal, padre);
    case Clase::Lugares:
        return std::make_unique<TFTablaLugares>(principal, padre);
    case Clase::Localidades:
        return std::make_unique<TFTablaLocalidades>(principal, padre);
    }
    return {};
}

} // namespace

const QVector<DescriptorTabla>& descriptoresTablas()
{
    static const QVector<DescriptorTabla> descriptores = crearDescriptores();
    return descriptores;
}

std::unique_ptr<TFTabla> crearVentanaTabla(int posicion, TFMain& principal, QWidget* padre)
{
    if (posicion < 0 || posicion >= descriptoresTablas().size())
        return {};
    const DescriptorTabla& descriptor = descriptoresTablas().at(posicion);
    std::unique_ptr<TFTabla> ventana = crearClase(descriptor.clase, principal, padre);
    ventana->descriptor = descriptor;
    ventana->abrirGrilla();
    ventana->setWindowTitle(descriptor.titulo);
    if (descriptor.clase == DescriptorTabla::Clase::Lugares && descriptor.sTabla == QStringLiteral("LugaresDestino"))
        static_cast<TFTablaLugares*>(ventana.get())->ocultarEstablecimiento();
    return ventana;
}

void AdministrarTabla(int posicion, TFMain& principal, QWidget* padre)
{
    std::unique_ptr<TFTabla> ventana = crearVentanaTabla(posicion, principal, padre);
    if (ventana)
        ventana->exec();
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
