// What a click on "Вычислить" costs in the arithmetic: the result line for
// radii people type, its two conversions alone, and radius texts of 10 MB
// pasted into the text box. A click should take no more than 300 ns here.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calc/circle.h"
#include "calc/number_text.h"

namespace {

struct TypedRadius {
  std::u16string_view text;
  calc::NumberFormat format;
};

constexpr TypedRadius kTypedRadii[] = {
    {u"2", {u'.'}},       {u"-2", {u'.'}},      {u"2.5", {u'.'}},
    {u"2,5", {u','}},     {u" 0.001 ", {u'.'}}, {u"12345.678", {u'.'}},
    {u"6371000", {u'.'}}, {u"1e150", {u'.'}},   {u"3.14159265358979", {u'.'}},
};

std::string Label(std::u16string_view text) { return {text.begin(), text.end()}; }

void CircleLineOfTypedRadius(benchmark::State& state) {
  const TypedRadius& radius = kTypedRadii[state.range(0)];
  state.SetLabel(Label(radius.text));
  for (auto _ : state) benchmark::DoNotOptimize(calc::CircleLine(radius.text, radius.format));
}
BENCHMARK(CircleLineOfTypedRadius)->DenseRange(0, std::size(kTypedRadii) - 1);

void ParseNumberOfTypedRadius(benchmark::State& state) {
  const TypedRadius& radius = kTypedRadii[state.range(0)];
  state.SetLabel(Label(radius.text));
  for (auto _ : state) benchmark::DoNotOptimize(calc::ParseNumber(radius.text, radius.format));
}
BENCHMARK(ParseNumberOfTypedRadius)->DenseRange(0, std::size(kTypedRadii) - 1);

constexpr double kWrittenValues[] = {0, 12.566, 28.273500000000002, -12.566, 1234567.891, 3.1415e300, 5e-324};

void FormatNumberOfValue(benchmark::State& state) {
  const double value = kWrittenValues[state.range(0)];
  std::ostringstream label;
  label << value;
  state.SetLabel(label.str());
  for (auto _ : state) benchmark::DoNotOptimize(calc::FormatNumber(value));
}
BENCHMARK(FormatNumberOfValue)->DenseRange(0, std::size(kWrittenValues) - 1);

// A paste of 10 MB: it must fail (or read as zero) well within a second.
constexpr std::size_t kPasteLength = 10 * 1024 * 1024;

struct Paste {
  const char* name;
  std::u16string text;
};

const std::vector<Paste>& Pastes() {
  static const std::vector<Paste> pastes = {
      {"digits (overflow)", std::u16string(kPasteLength, u'7')},
      {"digits then a letter (conversion)", std::u16string(kPasteLength, u'7') + u"x"},
      {"0. zeros 1 (reads as 0)", u"0." + std::u16string(kPasteLength, u'0') + u"1"},
      {"blanks (conversion)", std::u16string(kPasteLength, u' ')},
  };
  return pastes;
}

void CircleLineOfPaste(benchmark::State& state) {
  const Paste& paste = Pastes()[state.range(0)];
  state.SetLabel(paste.name);
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(calc::CircleLine(paste.text));
    } catch (const calc::Error&) {
      // Failing is the expected outcome for most of these texts.
    }
  }
  state.SetBytesProcessed(
      static_cast<std::int64_t>(state.iterations() * paste.text.size() * sizeof(char16_t)));
}
BENCHMARK(CircleLineOfPaste)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
