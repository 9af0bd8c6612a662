#include "EntradaContrasena.h"

#include <QByteArray>

#include <cerrno>
#include <csignal>
#include <iterator>
#include <termios.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The terminal settings to put back if a signal ends the program while echo is off.
termios terminalGuardado {};
constexpr int senalesTerminal[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
struct sigaction accionesAnteriores[std::size(senalesTerminal)];

extern "C" void restaurarTerminalYSalir(int senal)
{
    tcsetattr(STDIN_FILENO, TCSANOW, &terminalGuardado);
    signal(senal, SIG_DFL);
    raise(senal);
}

void escribirError(const QByteArray &texto)
{
    qsizetype hecho = 0;
    while (hecho < texto.size()) {
        const ssize_t n = ::write(STDERR_FILENO, texto.constData() + hecho,
                                  static_cast<size_t>(texto.size() - hecho));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        hecho += n;
    }
}

// One line of standard input without its line end, read byte by byte so nothing after the
// line is consumed. False at the end of input before any byte.
bool leerLinea(QByteArray &linea)
{
    linea.clear();
    bool alguno = false;
    for (;;) {
        char c = 0;
        const ssize_t n = ::read(STDIN_FILENO, &c, 1);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        alguno = true;
        if (c == '\n')
            break;
        linea.append(c);
    }
    if (linea.endsWith('\r'))
        linea.chop(1);
    return alguno;
}

// Shows `pregunta` and reads a line with echo switched off (the line end still echoes).
bool leerSinEco(const QString &pregunta, QByteArray &linea)
{
    escribirError(pregunta.toUtf8());
    if (tcgetattr(STDIN_FILENO, &terminalGuardado) != 0)
        return leerLinea(linea);
    struct sigaction accion
    { };
    accion.sa_handler = restaurarTerminalYSalir;
    sigemptyset(&accion.sa_mask);
    for (size_t i = 0; i < std::size(senalesTerminal); ++i)
        sigaction(senalesTerminal[i], &accion, &accionesAnteriores[i]);
    termios sinEco = terminalGuardado;
    sinEco.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    sinEco.c_lflag |= ECHONL;
    tcsetattr(STDIN_FILENO, TCSANOW, &sinEco);
    const bool leida = leerLinea(linea);
    tcsetattr(STDIN_FILENO, TCSANOW, &terminalGuardado);
    for (size_t i = 0; i < std::size(senalesTerminal); ++i)
        sigaction(senalesTerminal[i], &accionesAnteriores[i], nullptr);
    if (!leida)
        escribirError("\n");
    return leida;
}

} // namespace

bool EntradaContrasena::leer(const QString &pregunta, bool confirmar, QString &contrasena,
                             QString &error)
{
    QByteArray primera;
    if (!isatty(STDIN_FILENO)) {
        if (!leerLinea(primera)) {
            error = u"No se ha recibido ninguna contraseña por la entrada estándar."_s;
            return false;
        }
        contrasena = QString::fromUtf8(primera);
        return true;
    }
    if (!leerSinEco(pregunta, primera)) {
        error = u"No se ha escrito ninguna contraseña."_s;
        return false;
    }
    if (confirmar) {
        QByteArray segunda;
        if (!leerSinEco(u"Repita la contraseña: "_s, segunda)) {
            error = u"No se ha escrito ninguna contraseña."_s;
            return false;
        }
        if (segunda != primera) {
            error = u"Las contraseñas no coinciden."_s;
            return false;
        }
    }
    contrasena = QString::fromUtf8(primera);
    return true;
}
