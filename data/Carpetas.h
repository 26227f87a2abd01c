#pragma once
#include <QString>

namespace Carpetas {

// The application data folder: APPDATA + "/Tolva/" when APPDATA is set, else the
// platform's per-user data folder + "/Tolva/". Always ends with a slash.
QString carpetaDatos();
// The work folder of the import, "CPAUX/" under the data folder.
QString carpetaTrabajo(const QString& carpetaDatos);
// The folder of the program's own executable.
QString carpetaPrograma();
// The user's documents folder.
QString GetMyDocuments();
// An external tool: first in the program folder, then on PATH; empty when not found.
QString buscarHerramienta(const QString& nombre);

} // namespace Carpetas
