#pragma once

#include <chrono>
#include <cstdint>
#include <vector>

// Measuring helpers of the benchmark: wall time, median of repeated runs, resident size.
namespace Medicion {

using Reloj = std::chrono::steady_clock;

// Milliseconds elapsed since `inicio`.
double milisegundosDesde(Reloj::time_point inicio);
// Processor time (user and system) used so far by this process, in milliseconds.
double milisegundosProcesador();
// Median of the values (the mean of the two middle ones for an even count); 0 for none.
double mediana(std::vector<double> valores);
// Resident size of this process in bytes, from /proc/self/statm; -1 when it cannot be read.
int64_t bytesResidentes();

} // namespace Medicion
