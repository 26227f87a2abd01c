#include "import/ImportarCP.h"

#include "app/AplicacionTolva.h"
#include "data/Carpetas.h"
#include "data/Comandos.h"
#include "data/CursorEspera.h"
#include "data/TolvaError.h"
#include "data/datamodule.h"
#include "import/rutinas.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStringDecoder>

#include <memory>

const QString kImportarSinTitular =
    QStringLiteral("Por favor, seleccione el titular de la carta de porte a importar");
const QString kImportarModificado = QStringLiteral("El PDF ha sido modificado. No se puede procesar");
const QString kImportarPaginas = QStringLiteral(
    "Hay un problema con el archivo seleccionado, no se han encontrado 4 páginas por Carta de Porte. No se puede "
    "procesar");
const QString kImportarSinTitularCUIT =
    QStringLiteral("No hay titulares registrados para ese CUIT. Importación cancelada.");
const QString kImportarOtroTitular = QStringLiteral(
    "La carta de porte seleccionada corresponde a un titular que no es el actual, ¿Continúa la importación?");
const QString kImportarViejoModelo =
    QStringLiteral("El PDF corresponde al viejo modelo de Cartas de Porte. No se puede procesar");
const QString kImportarDuplicado =
    QStringLiteral("La Carta de Porte fue importada con anterioridad. ¿Desea continuar?");
const QString kImportarVariasConfirma =
    QStringLiteral("¿Confirma la importación de las cartas de porte seleccionadas?");
const QString kImportarVariasFinalizada = QStringLiteral("Importación de archivos finalizada.");

namespace {

const QString kAtencion = QStringLiteral("Atención");

// How many lines of the PDF text hold the holder's CUIT and the expiry.
constexpr int kLineasTitular = 26;

bool hayVentanas()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

// The normal cursor while the user reads a message or answers a question.
class CursorNormal {
public:
    CursorNormal() : activo_(hayVentanas() && QGuiApplication::overrideCursor())
    {
        if (activo_)
            QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~CursorNormal()
    {
        if (activo_)
            QGuiApplication::restoreOverrideCursor();
    }

private:
    bool activo_;
};

QStringList leerLineas(const QString& archivo, bool utf8)
{
    QFile f(archivo);
    if (!f.open(QIODevice::ReadOnly))
        throw TolvaError(QStringLiteral("No se pudo leer %1: %2").arg(QDir::toNativeSeparators(archivo), f.errorString()));
    const QByteArray bytes = f.readAll();
    QString texto = utf8 ? QString::fromUtf8(bytes) : QString::fromLocal8Bit(bytes);
    texto.remove(QLatin1Char('\r'));
    QStringList lineas = texto.split(QLatin1Char('\n'));
    if (!lineas.isEmpty() && lineas.last().isEmpty())
        lineas.removeLast();
    return lineas;
}

QString nombreHerramienta(const QString& programa)
{
    return QFileInfo(programa).baseName();
}

} // namespace

HerramientasImportar HerramientasImportar::buscar()
{
    return {Carpetas::buscarHerramienta(QStringLiteral("pdfinfo")),
            Carpetas::buscarHerramienta(QStringLiteral("pdftotext")),
            Carpetas::buscarHerramienta(QStringLiteral("pdfimages")),
            Carpetas::buscarHerramienta(QStringLiteral("convert"))};
}

bool normalizarCodigo(QImage& imagen)
{
    if (imagen.isNull() || imagen.width() == 0)
        return false;
    const QImage gris = imagen.convertToFormat(QImage::Format_Grayscale8);
    const int columnas = std::min(3, gris.width());
    qint64 suma = 0;
    for (int y = 0; y < gris.height(); ++y) {
        const uchar* fila = gris.constScanLine(y);
        for (int x = 0; x < columnas; ++x)
            suma += fila[x];
    }
    const qint64 pixeles = qint64(columnas) * gris.height();
    if (pixeles == 0 || suma * 2 >= pixeles * 255)
        return false;
    imagen.invertPixels();
    return true;
}

ImportarCP::ImportarCP(Td& d, Prompts& prompts, VistaImportar& vista, const QString& carpetaDatos)
    : d_(d), prompts_(prompts), vista_(vista), carpetaDatos_(carpetaDatos),
      trabajo_(Carpetas::carpetaTrabajo(carpetaDatos))
{
}

Prompts::DialogoArchivo ImportarCP::openCP()
{
    Prompts::DialogoArchivo dialogo;
    dialogo.titulo = QStringLiteral("Seleccione el archivo de Cartas de Porte");
    dialogo.filtro = QStringLiteral("Archivos de Cartas de Porte (*.pdf)");
    dialogo.extension = QStringLiteral("pdf");
    dialogo.carpetaInicial = Carpetas::GetMyDocuments();
    return dialogo;
}

void ImportarCP::setHerramientas(const HerramientasImportar& herramientas)
{
    herramientas_ = herramientas;
    herramientasDadas_ = true;
    herramientasVerificadas_ = false;
}

void ImportarCP::avisar(const QString& texto, Prompts::Icono icono)
{
    CursorNormal normal;
    prompts_.mensaje(kAtencion, texto, icono);
}

bool ImportarCP::verificarTitular()
{
    if (vista_.titularActual() != -1)
        return true;
    avisar(kImportarSinTitular, Prompts::Icono::Informacion);
    vista_.faltaTitular();
    return false;
}

bool ImportarCP::verificarHerramientas()
{
    if (herramientasVerificadas_)
        return true;
    if (!herramientasDadas_)
        herramientas_ = HerramientasImportar::buscar();
    QStringList faltan;
    const std::pair<QString, QString> lista[] = {{QStringLiteral("pdfinfo"), herramientas_.pdfinfo},
                                                 {QStringLiteral("pdftotext"), herramientas_.pdftotext},
                                                 {QStringLiteral("pdfimages"), herramientas_.pdfimages},
                                                 {QStringLiteral("convert"), herramientas_.convert}};
    for (const auto& [nombre, ruta] : lista)
        if (ruta.isEmpty() || !QFileInfo(ruta).isExecutable())
            faltan << nombre;
    if (!faltan.isEmpty()) {
        avisar(QStringLiteral("No se puede importar: %1 %2. Instale poppler-utils (pdfinfo, pdftotext, "
                              "pdfimages) e ImageMagick (convert), o copie los programas en la carpeta de Tolva.")
                   .arg(faltan.size() == 1 ? QStringLiteral("falta el programa") : QStringLiteral("faltan los programas"),
                        faltan.join(QStringLiteral(", "))),
               Prompts::Icono::Advertencia);
        return false;
    }
    const ResultadoComando version = GetDosOutput(herramientas_.convert, {QStringLiteral("-version")});
    if (!version.iniciado || !version.salida.contains(QStringLiteral("ImageMagick"))) {
        avisar(QStringLiteral("No se puede importar: el programa convert encontrado (%1) no es el de ImageMagick. "
                              "Instale ImageMagick o copie su convert en la carpeta de Tolva.")
                   .arg(QDir::toNativeSeparators(herramientas_.convert)),
               Prompts::Icono::Advertencia);
        return false;
    }
    herramientasVerificadas_ = true;
    return true;
}

bool ImportarCP::ejecutar()
{
    if (!verificarTitular())
        return false;
    if (!verificarHerramientas())
        return false;
    const QStringList archivos = prompts_.elegirArchivosAbrir(openCP(), true);
    if (archivos.isEmpty())
        return false;
    const QString pregunta = archivos.size() == 1
        ? QStringLiteral("¿Confirma la importación de la carta de porte ") + archivos.first() + QLatin1Char('?')
        : kImportarVariasConfirma;
    if (!prompts_.pregunta(QStringLiteral("Confirme"), pregunta, Prompts::Icono::Pregunta))
        return false;
    return importar(archivos);
}

bool ImportarCP::importar(const QStringList& archivos)
{
    archivosImportados_ = 0;
    nanosHerramientas_ = 0;
    llamadasHerramientas_ = 0;
    if (archivos.isEmpty() || !verificarHerramientas())
        return false;

    bool todos = false;
    QString error;
    {
        CursorEspera espera;
        try {
            prepararCarpetaTrabajo();
            todos = true;
            for (int i = 0; i < archivos.size() && todos; ++i) {
                if (importarArchivo(archivos.at(i), i, int(archivos.size()))) {
                    ++archivosImportados_;
                    // The file is stored: a failure from here on is not this file's.
                    vista_.refrescarArchivos();
                } else {
                    todos = false;
                }
            }
        } catch (const TolvaError& e) {
            todos = false;
            error = e.texto();
        } catch (const std::exception& e) {
            todos = false;
            error = QStringLiteral("Error inesperado: %1").arg(QString::fromLocal8Bit(e.what()));
        }
        const QString errorLimpieza = limpieza();
        if (error.isEmpty())
            error = errorLimpieza;
    }
    if (!error.isEmpty())
        AplicacionTolva::mostrarError(prompts_, error);
    if (!todos)
        return false;

    if (d_.tmyBlancos.abierta())
        d_.Refrescar(d_.tmyBlancos);
    avisar(archivos.size() == 1
               ? QStringLiteral("Importación del archivo ") + archivos.first() + QStringLiteral(" finalizada.")
               : kImportarVariasFinalizada,
           Prompts::Icono::Informacion);
    return true;
}

QString ImportarCP::limpieza()
{
    // Every part runs, whatever the others do; a failure is reported once it is done.
    QString error;
    try {
        vista_.estado(QString());
        vista_.terminar();
    } catch (...) {
    }
    try {
        vista_.refrescarArchivos();
    } catch (const TolvaError& e) {
        error = e.texto();
    }
    vaciarCarpetaTrabajo();
    return error;
}

void ImportarCP::prepararCarpetaTrabajo()
{
    if (!QDir().mkpath(trabajo_))
        throw TolvaError(QStringLiteral("No se pudo crear la carpeta de trabajo %1.").arg(QDir::toNativeSeparators(trabajo_)));
    QFile prueba(trabajo_ + QStringLiteral("escritura.tmp"));
    if (!prueba.open(QIODevice::WriteOnly) || prueba.write("x", 1) != 1) {
        const QString razon = prueba.errorString();
        prueba.close();
        prueba.remove();
        throw TolvaError(QStringLiteral("No se puede escribir en la carpeta de trabajo %1: %2. No se importó ningún "
                                        "archivo.")
                             .arg(QDir::toNativeSeparators(trabajo_), razon));
    }
    prueba.close();
    prueba.remove();
    vaciarCarpetaTrabajo();
}

void ImportarCP::vaciarCarpetaTrabajo()
{
    QDir carpeta(trabajo_);
    if (!carpeta.exists())
        return;
    const QStringList archivos = carpeta.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& archivo : archivos)
        carpeta.remove(archivo);
}

ResultadoComando ImportarCP::correr(const QString& programa, const QStringList& argumentos, const QString& carpeta,
                                    const QString& archivoSalida)
{
    QElapsedTimer reloj;
    reloj.start();
    ResultadoComando r;
    QString linea = lineaDeComando(programa, argumentos);
    if (archivoSalida.isEmpty()) {
        r = GetDosOutput(programa, argumentos, carpeta);
    } else {
        // The tool's standard output goes to the file; what it says on standard error is
        // its console output.
        linea += QStringLiteral(" > ") + QDir::toNativeSeparators(archivoSalida);
        QProcess proceso;
        proceso.setStandardInputFile(QProcess::nullDevice());
        proceso.setStandardOutputFile(archivoSalida, QIODevice::Truncate);
        proceso.setWorkingDirectory(carpeta);
        proceso.start(programa, argumentos, QIODevice::ReadOnly);
        if (proceso.waitForStarted(-1)) {
            r.iniciado = true;
            const bool ventanas = hayVentanas();
            QByteArray bytes;
            while (!proceso.waitForFinished(ventanas ? 30 : -1)) {
                if (proceso.state() == QProcess::NotRunning)
                    break;
                bytes += proceso.readAllStandardError();
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            }
            bytes += proceso.readAllStandardError();
            r.salida = QString::fromLocal8Bit(bytes);
            r.codigoSalida = proceso.exitStatus() == QProcess::NormalExit ? proceso.exitCode() : -1;
        }
    }
    nanosHerramientas_ += reloj.nsecsElapsed();
    ++llamadasHerramientas_;
    const QString nombre = nombreHerramienta(programa);
    if (!r.iniciado)
        throw TolvaError(QStringLiteral("No se pudo ejecutar %1 (%2).").arg(nombre, QDir::toNativeSeparators(programa)));
    if (!r.salida.isEmpty())
        d_.GuardaError(linea, r.salida);
    if (r.codigoSalida != 0) {
        QString detalle = r.salida.trimmed();
        if (detalle.size() > 400)
            detalle = detalle.left(400) + QStringLiteral("…");
        throw TolvaError(QStringLiteral("%1 terminó con error (código %2)%3")
                             .arg(nombre)
                             .arg(r.codigoSalida)
                             .arg(detalle.isEmpty() ? QStringLiteral(".") : QStringLiteral(": ") + detalle));
    }
    return r;
}

void ImportarCP::extraerPagina(const QString& archivo, int pagina)
{
    pagina_ = pagina;
    // Pictures of an earlier page must never stand in for this page's.
    for (const char* nombre : {"-000.pbm", "-001.pbm", "000.png", "001.png"})
        QFile::remove(trabajo_ + QLatin1String(nombre));
    const QString n = QString::number(pagina);
    correr(herramientas_.pdfimages,
           {QStringLiteral("-f"), n, QStringLiteral("-l"), n, archivo, QDir::toNativeSeparators(trabajo_)},
           Carpetas::carpetaPrograma());
}

namespace {

QString imagenCodigo(int numero)
{
    return numero == 0 ? QStringLiteral("000") : QStringLiteral("001");
}

QString nombreCodigo(int numero)
{
    return numero == 0 ? QStringLiteral("del número de Carta de Porte") : QStringLiteral("del C.E.E.");
}

} // namespace

void ImportarCP::convertirCodigo(int numero)
{
    const QString imagen = imagenCodigo(numero);
    const QString pbm = trabajo_ + QLatin1Char('-') + imagen + QStringLiteral(".pbm");
    if (!QFileInfo::exists(pbm))
        throw TolvaError(
            QStringLiteral("la página no tiene la imagen del código de barras %1.").arg(nombreCodigo(numero)));
    correr(herramientas_.convert,
           {QStringLiteral("-negate"), QStringLiteral("-crop"),
            numero == 0 ? QStringLiteral("335x40+0+9") : QStringLiteral("380x40+0+9"),
            QDir::toNativeSeparators(pbm), QDir::toNativeSeparators(trabajo_ + imagen + QStringLiteral(".png"))},
           Carpetas::carpetaPrograma());
}

QString ImportarCP::leerCodigo(int numero, QByteArray& png)
{
    const QString que = nombreCodigo(numero);
    const QString salida = trabajo_ + imagenCodigo(numero) + QStringLiteral(".png");
    QFile archivo(salida);
    if (!archivo.open(QIODevice::ReadOnly))
        throw TolvaError(QStringLiteral("convert no escribió la imagen del código de barras %1.").arg(que));
    png = archivo.readAll();
    QImage dibujo;
    if (!dibujo.loadFromData(png, "PNG"))
        throw TolvaError(QStringLiteral("la imagen del código de barras %1 no se puede leer.").arg(que));
    if (normalizarCodigo(dibujo)) {
        // Stored as the waybill will print it: dark bars on a light ground.
        png.clear();
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!dibujo.save(&buffer, "PNG"))
            throw TolvaError(QStringLiteral("no se pudo guardar la imagen del código de barras %1.").arg(que));
    }
    QStringList textos;
    LeerCodigosDeBarra(textos, dibujo, false, 1, true);
    if (textos.isEmpty())
        throw TolvaError(QStringLiteral("no se pudo leer el código de barras %1.").arg(que));
    return textos.first();
}

bool ImportarCP::importarArchivo(const QString& archivo, int indice, int total)
{
    pagina_ = 0;
    const QString base = QStringLiteral("Importando ") + archivo;
    vista_.estado(base);
    vista_.estado(base + QStringLiteral(" - Extrayendo datos..."));
    vista_.progreso(0, 0, indice + 1, total);
    vaciarCarpetaTrabajo();

    try {
        if (!QFileInfo(archivo).isFile())
            throw TolvaError(QStringLiteral("el archivo no existe."));

        // Information lines.
        const QString datos = trabajo_ + QStringLiteral("datos.txt");
        try {
            correr(herramientas_.pdfinfo, {archivo}, carpetaDatos_, datos);
        } catch (const TolvaError& e) {
            throw TolvaError(QStringLiteral("no es un PDF que se pueda leer (dañado, incompleto o protegido con "
                                            "contraseña). %1").arg(e.texto()));
        }
        const QStringList info = leerLineas(datos, false);
        static const QRegularExpression productor(QStringLiteral("^Producer: +FPDF 1\\.53$"));
        if (info.isEmpty() || !productor.match(info.first()).hasMatch()) {
            avisar(kImportarModificado, Prompts::Icono::Advertencia);
            return false;
        }
        int paginas = -1;
        for (const QString& linea : info) {
            if (!linea.startsWith(QStringLiteral("Pages")))
                continue;
            static const QRegularExpression cantidad(QStringLiteral("^Pages: *([0-9]+) *$"));
            const QRegularExpressionMatch m = cantidad.match(linea);
            if (m.hasMatch())
                paginas = m.captured(1).toInt();
            break;
        }
        if (paginas < 0)
            throw TolvaError(QStringLiteral("pdfinfo no informó la cantidad de páginas."));
        if (paginas == 0 || paginas % 4 != 0) {
            avisar(kImportarPaginas, Prompts::Icono::Advertencia);
            return false;
        }

        // Holder CUIT and expiry from the first lines of the text.
        const QString todo = trabajo_ + QStringLiteral("alltext.txt");
        correr(herramientas_.pdftotext, {archivo, QDir::toNativeSeparators(todo)}, carpetaDatos_);
        const QStringList texto = leerLineas(todo, true);
        static const QRegularExpression onceDigitos(QStringLiteral("(?<![0-9])[0-9]{11}(?![0-9])"));
        QString cuit;
        QString vencimiento;
        for (int i = 0; i < std::min<qsizetype>(kLineasTitular, texto.size()); ++i) {
            const QString& linea = texto.at(i);
            if (onceDigitos.match(linea).hasMatch() && Td::esCUIT(linea))
                cuit = linea.left(2) + QLatin1Char('-') + linea.mid(2, 8) + QLatin1Char('-') + linea.mid(10, 1);
            if (linea.contains(QStringLiteral("Vencimiento:")))
                vencimiento = linea.mid(36, 10);
        }

        // The holder.
        d_.AbrirConsulta(d_.qmyAUX,
                         QStringLiteral("SELECT TitularID, TitularNombre FROM Titulares WHERE TitularCUIT = ?"
                                        " ORDER BY TitularID"),
                         {cuit});
        if (cuit.isEmpty() || d_.qmyAUX.filas() == 0) {
            avisar(kImportarSinTitularCUIT, Prompts::Icono::Advertencia);
            return false;
        }
        if (vencimiento.trimmed().isEmpty())
            throw TolvaError(QStringLiteral("no se encontró la fecha de vencimiento en el texto del PDF."));
        QList<qint64> idsCUIT;
        int elegido = 0;
        const QString filtro = vista_.filtroTitular();
        for (int f = 0; f < d_.qmyAUX.filas(); ++f) {
            idsCUIT << d_.qmyAUX.valor(f, 0).toLongLong();
            if (d_.qmyAUX.valor(f, 1).toString() == filtro)
                elegido = f;
        }
        const qint64 titularPDF = idsCUIT.at(elegido);
        const QString nombrePDF = d_.qmyAUX.valor(elegido, 1).toString();
        if (filtro != nombrePDF) {
            bool seguir;
            {
                CursorNormal normal;
                seguir = prompts_.pregunta(QStringLiteral("Aviso"), kImportarOtroTitular, Prompts::Icono::Advertencia);
            }
            if (!seguir)
                return false;
            vista_.seleccionarTitular(nombrePDF);
        }
        qint64 titular = vista_.titularActual();
        // A holder filter that names another holder of the same name (or none) never
        // gives the batch to a holder without this CUIT.
        if (!idsCUIT.contains(titular))
            titular = titularPDF;

        // Page 1: the model and the duplicate test, with this file's own first CEE.
        extraerPagina(archivo, 1);
        convertirCodigo(1);
        QByteArray png;
        const QString primerCEE = leerCodigo(1, png);
        pagina_ = 0;
        if (primerCEE.size() == 4) {
            avisar(kImportarViejoModelo, Prompts::Icono::Advertencia);
            return false;
        }
        const int previos = d_.valorUnico(QStringLiteral("SELECT COUNT(*) FROM CPxArchivo WHERE CPxArchivoCEE = ?"),
                                          {primerCEE})
                                .toInt();
        if (previos > 0) {
            bool seguir;
            {
                CursorNormal normal;
                seguir = prompts_.pregunta(kAtencion, kImportarDuplicado, Prompts::Icono::Pregunta);
            }
            if (!seguir)
                return false;
        }

        // The batch and its blanks: all of them or nothing.
        const int blancos = paginas / 4;
        Transaccion transaccion(d_);
        const qint64 lote = d_.Insertar(QStringLiteral("ArchivosCP"),
                                        {{QStringLiteral("ArchivoCPNombre"), QFileInfo(archivo).fileName()},
                                         {QStringLiteral("ArchivoCPFecha"), QDate::currentDate()},
                                         {QStringLiteral("ArchivoCPTitularID"), titular}});
        for (int k = 0; k < blancos; ++k) {
            const int n = 4 * k + 1;
            vista_.estado(base + QStringLiteral(" - Extrayendo códigos de barra CP ") + QString::number(n)
                          + QStringLiteral("..."));
            vista_.progreso(k + 1, blancos, indice + 1, total);
            // Both pictures are cut out first, then read: the number, then the CEE.
            extraerPagina(archivo, n);
            convertirCodigo(0);
            convertirCodigo(1);
            QByteArray pngCP;
            QByteArray pngCEE;
            const QString numero = leerCodigo(0, pngCP);
            const QString cee = leerCodigo(1, pngCEE);
            d_.Insertar(QStringLiteral("CPxArchivo"), {{QStringLiteral("CPxArchivoArchivoCPID"), lote},
                                                       {QStringLiteral("CPxArchivoVENC"), vencimiento},
                                                       {QStringLiteral("CPxArchivoCEE"), cee},
                                                       {QStringLiteral("CPxArchivoCP"), numero},
                                                       {QStringLiteral("CPxArchivoImgCP"), pngCP},
                                                       {QStringLiteral("CPxArchivoImgCEE"), pngCEE},
                                                       {QStringLiteral("CPxArchivoEstado"), -1},
                                                       {QStringLiteral("CPxArchivoProcesada"), false}});
        }
        transaccion.confirmar();
        pagina_ = 0;
        return true;
    } catch (const TolvaError& e) {
        QString texto = QStringLiteral("No se pudo importar el archivo %1").arg(archivo);
        if (pagina_ > 0)
            texto += QStringLiteral(", página %1").arg(pagina_);
        texto += QStringLiteral(": ") + e.texto()
            + QStringLiteral("\nNo se guardó ningún dato de este archivo y la importación se detuvo.");
        if (archivosImportados_ > 0)
            texto += QStringLiteral(" Los archivos importados antes quedan guardados.");
        throw TolvaError(texto);
    }
}
