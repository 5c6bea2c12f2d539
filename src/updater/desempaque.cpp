#include "updater/desempaque.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace updater {

namespace {

// Where the guard hands the interpreter's wait status to the updater.
constexpr int DescriptorEstado = 3;

// From here on only async-signal-safe calls: the guard is a copy of a
// process with several threads.

void terminaGrupo(int)
{
    ::kill(0, SIGKILL);
    ::_exit(1);
}

void cierraDesde(int primero)
{
    if (::close_range(unsigned(primero), ~0U, 0) == 0)
        return;
    for (int fd = primero; fd < 4096; ++fd)
        ::close(fd);
}

void aNulo()
{
    const int nulo = ::open("/dev/null", O_RDWR);
    if (nulo < 0)
        return;
    for (int fd = 0; fd <= 2; ++fd)
        ::dup2(nulo, fd);
    if (nulo > 2)
        ::close(nulo);
}

[[noreturn]] void guarda(int escritura, pid_t updater, const char* carpeta, char* const argv[])
{
    ::setpgid(0, 0);
    struct sigaction fin {};
    fin.sa_handler = terminaGrupo;
    sigemptyset(&fin.sa_mask);
    ::sigaction(SIGTERM, &fin, nullptr);
    sigset_t ninguna;
    sigemptyset(&ninguna);
    ::sigprocmask(SIG_SETMASK, &ninguna, nullptr);
    // The updater's death, whatever its cause, ends the group.
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() != updater)
        terminaGrupo(0); // it died before the request took hold

    if (escritura != DescriptorEstado)
        ::dup2(escritura, DescriptorEstado);
    cierraDesde(DescriptorEstado + 1);
    aNulo();

    const pid_t interprete = ::_Fork();
    if (interprete == 0) {
        struct sigaction omision {};
        omision.sa_handler = SIG_DFL;
        sigemptyset(&omision.sa_mask);
        ::sigaction(SIGTERM, &omision, nullptr);
        ::sigaction(SIGPIPE, &omision, nullptr);
        ::close(DescriptorEstado);
        if (::chdir(carpeta) != 0)
            ::_exit(126);
        ::execve("/bin/sh", argv, environ);
        ::_exit(127);
    }
    int estado = -1;
    if (interprete > 0)
        while (::waitpid(interprete, &estado, 0) < 0 && errno == EINTR) {
        }
    ssize_t escrito;
    do
        escrito = ::write(DescriptorEstado, &estado, sizeof estado);
    while (escrito < 0 && errno == EINTR);
    // What the package left running ends with it, the guard last.
    terminaGrupo(0);
    ::_exit(1); // not reached
}

} // namespace

platform::CommandOutcome ejecutaDesempaque(const QString& comando, const QString& carpeta, int limiteMs)
{
    platform::CommandOutcome resultado;
    QByteArray orden = comando.toLocal8Bit();
    const QByteArray dir = QFile::encodeName(carpeta);
    char sh[] = "sh";
    char menosC[] = "-c";
    char* const argv[] = {sh, menosC, orden.data(), nullptr};

    int tubo[2];
    if (::pipe2(tubo, O_CLOEXEC) != 0) {
        resultado.error = QStringLiteral("no se pudo iniciar el intérprete: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return resultado;
    }
    const pid_t updater = ::getpid();
    const pid_t guardia = ::fork();
    if (guardia == 0)
        guarda(tubo[1], updater, dir.constData(), argv);
    ::close(tubo[1]);
    if (guardia < 0) {
        resultado.error = QStringLiteral("no se pudo iniciar el intérprete: %1")
                              .arg(QString::fromLocal8Bit(std::strerror(errno)));
        ::close(tubo[0]);
        return resultado;
    }
    ::setpgid(guardia, guardia); // also here, so that the group exists before any kill
    resultado.started = true;

    const QDeadlineTimer plazo(limiteMs);
    int estado = 0;
    ssize_t leido = -1;
    for (;;) {
        pollfd espera{tubo[0], POLLIN, 0};
        const int listo = ::poll(&espera, 1, int(qMax<qint64>(0, plazo.remainingTime())));
        if (listo < 0 && errno == EINTR)
            continue;
        if (listo <= 0)
            break; // the time limit
        do
            leido = ::read(tubo[0], &estado, sizeof estado);
        while (leido < 0 && errno == EINTR);
        break;
    }
    ::close(tubo[0]);
    if (leido != ssize_t(sizeof estado))
        ::kill(-guardia, SIGKILL);
    int estadoGuardia = 0;
    while (::waitpid(guardia, &estadoGuardia, 0) < 0 && errno == EINTR) {
    }

    if (leido < 0) {
        resultado.error = QStringLiteral("no terminó en %1 segundos").arg(limiteMs / 1000.0);
        return resultado;
    }
    if (leido != ssize_t(sizeof estado) || estado == -1) {
        resultado.error = QStringLiteral("se interrumpió sin que se supiera cómo terminó");
        return resultado;
    }
    resultado.finished = true;
    resultado.normalExit = WIFEXITED(estado);
    resultado.exitCode = resultado.normalExit ? WEXITSTATUS(estado) : -1;
    if (!resultado.normalExit)
        resultado.error = QStringLiteral("terminó de forma anormal");
    else if (resultado.exitCode != 0)
        resultado.error = QStringLiteral("terminó con el código %1").arg(resultado.exitCode);
    return resultado;
}

} // namespace updater
