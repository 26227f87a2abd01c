#pragma once

class TFMain;

// "Importar Cartas de Porte" from the main window: the import over its holder filter,
// status bar (with a progress bar) and batch list. User input to the window stays
// blocked until the import ends. True when every chosen file was imported.
bool importarDesdeVentana(TFMain& ventana);
