// Turns the rows of one start-up series into the Markdown table of
// docs/benchmarks.md and the data file of its chart.
//
//   summarize_series SERIES.tsv PROGRAMS.tsv REFERENCE CHART_DATA
//
// SERIES.tsv rows: program, round, start-up ms, peak resident KiB ("failed"
// in the third field for a launch that gave no window). PROGRAMS.tsv rows:
// program, binary bytes, shared libraries, command; its order is the table's.
// REFERENCE is the program the ratios are taken to.
#include <cstdio>
#include <exception>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/startup/quartiles.h"

namespace {

struct Samples {
  std::vector<double> startup_ms;
  std::vector<double> peak_mib;
  int failed = 0;
};

struct ProgramFacts {
  std::string name;
  long long binary_bytes = 0;
  std::string shared_libraries;
};

std::vector<std::string> fields_of(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream stream(line);
  for (std::string field; std::getline(stream, field, '\t');) fields.push_back(field);
  return fields;
}

std::map<std::string, Samples> read_series(const char* path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error(std::string("cannot read ") + path);
  std::map<std::string, Samples> series;
  for (std::string line; std::getline(file, line);) {
    const auto fields = fields_of(line);
    if (fields.size() < 4) continue;
    Samples& samples = series[fields[0]];
    if (fields[2] == "failed") {
      ++samples.failed;
      continue;
    }
    samples.startup_ms.push_back(std::stod(fields[2]));
    if (const double kib = std::stod(fields[3]); kib > 0) samples.peak_mib.push_back(kib / 1024.0);
  }
  return series;
}

std::vector<ProgramFacts> read_programs(const char* path) {
  std::ifstream file(path);
  if (!file) throw std::runtime_error(std::string("cannot read ") + path);
  std::vector<ProgramFacts> programs;
  for (std::string line; std::getline(file, line);) {
    const auto fields = fields_of(line);
    if (fields.size() < 3) continue;
    programs.push_back({fields[0], std::stoll(fields[1]), fields[2]});
  }
  return programs;
}

std::string format(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

std::string ratio(const std::vector<double>& values, const std::vector<double>& reference) {
  if (values.empty() || reference.empty()) return "–";
  return format("%.1f", bench::quantile(values, 0.5) / bench::quantile(reference, 0.5));
}

std::string median_and_range(const std::vector<double>& values, const char* pattern) {
  if (values.empty()) return "– | –";
  const auto spread = bench::spread_of(values);
  return format(pattern, spread.median) + " | " + format(pattern, spread.interquartile_range());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::fprintf(stderr, "usage: summarize_series SERIES.tsv PROGRAMS.tsv REFERENCE CHART_DATA\n");
    return 1;
  }
  try {
    const auto series = read_series(argv[1]);
    const auto programs = read_programs(argv[2]);
    const std::string reference = argv[3];
    const Samples none;
    const auto found = series.find(reference);
    const Samples& ours = found == series.end() ? none : found->second;

    std::ofstream chart(argv[4]);
    std::printf(
        "| program | launches | start-up median, ms | IQR, ms | × ours | peak RSS median, MiB | IQR, MiB | "
        "× ours | binary, KiB | shared libraries |\n"
        "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const auto& program : programs) {
      const auto it = series.find(program.name);
      const Samples& samples = it == series.end() ? none : it->second;
      std::string launches = std::to_string(samples.startup_ms.size());
      if (samples.failed > 0) launches += " (+" + std::to_string(samples.failed) + " failed)";
      std::printf("| %s | %s | %s | %s | %s | %s | %s | %s |\n", program.name.c_str(), launches.c_str(),
                  median_and_range(samples.startup_ms, "%.1f").c_str(),
                  ratio(samples.startup_ms, ours.startup_ms).c_str(),
                  median_and_range(samples.peak_mib, "%.1f").c_str(),
                  ratio(samples.peak_mib, ours.peak_mib).c_str(),
                  format("%.0f", static_cast<double>(program.binary_bytes) / 1024.0).c_str(),
                  program.shared_libraries.c_str());
      if (!samples.startup_ms.empty()) {
        const auto spread = bench::spread_of(samples.startup_ms);
        chart << '"' << program.name << "\"\t" << spread.median << '\t' << spread.first_quartile << '\t'
              << spread.third_quartile << '\n';
      }
    }
    return 0;
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "summarize_series: %s\n", failure.what());
    return 1;
  }
}
