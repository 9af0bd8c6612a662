#include "Medicion.h"

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace Medicion {

double milisegundosDesde(Reloj::time_point inicio)
{
    return std::chrono::duration<double, std::milli>(Reloj::now() - inicio).count();
}

double milisegundosProcesador()
{
    rusage uso {};
    if (getrusage(RUSAGE_SELF, &uso) != 0)
        return 0;
    auto ms = [](const timeval &t) {
        return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
    };
    return ms(uso.ru_utime) + ms(uso.ru_stime);
}

double mediana(std::vector<double> valores)
{
    if (valores.empty())
        return 0;
    std::sort(valores.begin(), valores.end());
    const size_t m = valores.size() / 2;
    return valores.size() % 2 ? valores[m] : (valores[m - 1] + valores[m]) / 2;
}

int64_t bytesResidentes()
{
    std::FILE *f = std::fopen("/proc/self/statm", "r");
    if (!f)
        return -1;
    long long total = 0;
    long long residentes = 0;
    const int leidos = std::fscanf(f, "%lld %lld", &total, &residentes);
    std::fclose(f);
    if (leidos != 2)
        return -1;
    return static_cast<int64_t>(residentes) * static_cast<int64_t>(sysconf(_SC_PAGESIZE));
}

} // namespace Medicion
