#pragma once
#include "masterdata/AdministrarTablas.h"

#include <QString>
#include <QVariant>

class Td;

// What the table windows store: every statement built from the table's descriptor,
// every value bound. Adding trims the typed texts; modifying stores the name or
// address as typed. The functions that change a row return how many rows they
// touched, so that a row that another window deleted meanwhile can be told apart.
namespace TablasMaestras {

extern const QString kPreguntaEliminar;          // "¿Confirma la eliminación del registro seleccionado? …"
extern const QString kPreguntaLocalidadEnUso;    // "La localidad está en uso, …"
extern const QString kPreguntaEliminarTitular;   // "¿Confirma la eliminación del titular seleccionado? …"
extern const QString kPreguntaConfirmaDatos;     // "¿Confirma los datos ingresados?"
extern const QString kRegistroInexistente;       // the row is no longer in the table

// The address columns of the parties with an address ("Transportistas", "Destinatarios").
QString columnaDomicilio(const QString& sTabla);
QString columnaDomicilioLocalidad(const QString& sTabla);

// The key of the locality with that name; invalid when there is none.
QVariant localidadPorNombre(Td& d, const QString& nombre);

// Parties: the name (trimmed on add) and the CUIT exactly as shown in the dialog.
void agregarParte(Td& d, const DescriptorTabla& t, const QString& nombre, const QString& cuit);
int modificarParte(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& nombre, const QString& cuit);
// The address as typed and, when a locality of that name exists, its key; otherwise
// the stored locality stays.
int editarDomicilio(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& domicilio,
                    const QString& localidad);

// Drivers: the plates are trimmed both on add and on modify.
void agregarChofer(Td& d, const DescriptorTabla& t, const QString& nombre, const QString& cuit,
                   const QString& camion, const QString& acoplado);
int modificarChofer(Td& d, const QVariant& id, const QString& nombre, const QString& cuit,
                    const QString& camion, const QString& acoplado);

// Name lists (grains, grain types, freight payers).
void agregarNombre(Td& d, const DescriptorTabla& t, const QString& nombre);
int modificarNombre(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& nombre);

// Places: origins ("Procedencias") also keep the establishment, trimmed in both cases.
bool esProcedencia(const DescriptorTabla& t);
void agregarLugar(Td& d, const DescriptorTabla& t, const QString& direccion, const QVariant& localidadID,
                  const QString& establecimiento);
int modificarLugar(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& direccion,
                   const QString& localidad, const QString& establecimiento);

// Localities.
void agregarLocalidad(Td& d, const DescriptorTabla& t, const QString& nombre, const QVariant& provinciaID);
int modificarLocalidad(Td& d, const DescriptorTabla& t, const QVariant& id, const QString& nombre,
                       const QVariant& provinciaID);
// The question of a locality's delete: the in-use text when an origin or a destination uses it.
QString preguntaEliminarLocalidad(Td& d, const QVariant& id);

// Deletes the row with that key.
int eliminar(Td& d, const DescriptorTabla& t, const QVariant& id);

// Holders: the additional data as typed; a locality name that matches no locality
// keeps the stored one.
int editarAdicionalesTitular(Td& d, const QVariant& id, const QString& domicilioReal, const QString& localidadReal,
                             const QString& domicilioLegal, const QString& localidadLegal,
                             const QString& telefono);
// Deletes a holder with its batches, their blanks, its waybills, in one transaction,
// then the blanks' page files from the work folder. Returns the holder rows deleted
// (0 when the holder was already gone; nothing else is touched then).
int eliminarTitular(Td& d, const QVariant& id, const QString& carpetaTrabajo);

} // namespace TablasMaestras
