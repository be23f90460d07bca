// Morvantis.exe: the entry window first, then the program's message loop
// until "Sair".

#include <windows.h>

#include "KitWin32.h"
#include "Programa.h"

int WINAPI wWinMain(HINSTANCE instancia, HINSTANCE, PWSTR, int) {
    morvantis::GeradorPadrao gerador;
    morvantis::win32::Kit kit(instancia);
    morvantis::Programa programa(kit, gerador);
    programa.Iniciar();
    return kit.RodarAteOFim();
}
