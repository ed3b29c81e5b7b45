// Reading and writing numbers, beside the standard library's strtod and to_chars in
// the same run, on the texts a user typically types and on a pasted 1 MiB text.

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numbers/notation.h"

namespace {

using quorvel::StrToFloat;
using quorvel::Zahleneingabe;

constexpr std::array<std::u16string_view, 4> kTyped = {u"4,7k", u"1,5e3", u"-0,707107", u"8,854187817E-12"};
constexpr std::array<std::u16string_view, 4> kPlain = {u"4,7", u"1,5e3", u"-0,707107", u"8,854187817E-12"};
constexpr std::array<const char*, 4> kPlainAscii = {"4.7", "1.5e3", "-0.707107", "8.854187817E-12"};
constexpr std::array<double, 5> kValues = {4700.0, -0.707107, 8.854187817e-12, 1.0 / 3, 0.0078125};

void BM_Zahleneingabe(benchmark::State& state) {
    const std::u16string_view text = kTyped[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(Zahleneingabe(text));
    state.SetLabel(std::string(text.begin(), text.end()));
}
BENCHMARK(BM_Zahleneingabe)->DenseRange(0, 2)->Arg(3);

void BM_StrToFloat(benchmark::State& state) {
    const std::u16string_view text = kPlain[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(StrToFloat(text));
}
BENCHMARK(BM_StrToFloat)->DenseRange(0, 3);

void BM_strtod(benchmark::State& state) {
    const char* text = kPlainAscii[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(std::strtod(text, nullptr));
}
BENCHMARK(BM_strtod)->DenseRange(0, 3);

template <std::u16string (*Form)(double)>
void BM_Form(benchmark::State& state) {
    const double x = kValues[static_cast<std::size_t>(state.range(0))];
    for (auto _ : state) benchmark::DoNotOptimize(Form(x));
}
std::u16string Exponent2(double x) { return quorvel::FormatExponent(x, true); }
std::u16string Exponent1(double x) { return quorvel::FormatExponent(x, false); }
BENCHMARK(BM_Form<quorvel::FormatFixed>)->Name("BM_FormatFixed")->DenseRange(0, 4);
BENCHMARK(BM_Form<quorvel::FormatFixed3>)->Name("BM_FormatFixed3")->DenseRange(0, 4);
BENCHMARK(BM_Form<Exponent2>)->Name("BM_FormatExponent2")->DenseRange(0, 4);
BENCHMARK(BM_Form<Exponent1>)->Name("BM_FormatExponent1")->DenseRange(0, 4);
BENCHMARK(BM_Form<quorvel::FormatGeneral>)->Name("BM_FormatGeneral")->DenseRange(0, 4);

void BM_to_chars_shortest(benchmark::State& state) {
    const double x = kValues[static_cast<std::size_t>(state.range(0))];
    std::array<char, 64> buf{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::to_chars(buf.data(), buf.data() + buf.size(), x).ptr);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_to_chars_shortest)->DenseRange(0, 4);

void BM_to_chars_scientific6(benchmark::State& state) {
    const double x = kValues[static_cast<std::size_t>(state.range(0))];
    std::array<char, 64> buf{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            std::to_chars(buf.data(), buf.data() + buf.size(), x, std::chars_format::scientific, 6).ptr);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_to_chars_scientific6)->DenseRange(0, 4);

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

// A pasted mebibyte of digits with a separator after the first few.
void BM_Zahleneingabe_1MiB(benchmark::State& state) {
    const std::u16string text = u"12345," + std::u16string(kMebibyte - 6, u'7');
    for (auto _ : state) benchmark::DoNotOptimize(Zahleneingabe(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size() * sizeof(char16_t)));
}
BENCHMARK(BM_Zahleneingabe_1MiB)->Unit(benchmark::kMillisecond);

// The same, with a prefix letter, which takes the extended-precision path.
void BM_Zahleneingabe_1MiB_prefix(benchmark::State& state) {
    const std::u16string text = u"12345," + std::u16string(kMebibyte - 8, u'7') + u" k";
    for (auto _ : state) benchmark::DoNotOptimize(Zahleneingabe(text));
}
BENCHMARK(BM_Zahleneingabe_1MiB_prefix)->Unit(benchmark::kMillisecond);

void BM_StrToFloat_1MiB(benchmark::State& state) {
    const std::u16string text = u"12345," + std::u16string(kMebibyte - 6, u'7');
    for (auto _ : state) benchmark::DoNotOptimize(StrToFloat(text));
}
BENCHMARK(BM_StrToFloat_1MiB)->Unit(benchmark::kMillisecond);

void BM_strtod_1MiB(benchmark::State& state) {
    const std::string text = "12345." + std::string(kMebibyte - 6, '7');
    for (auto _ : state) benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
}
BENCHMARK(BM_strtod_1MiB)->Unit(benchmark::kMillisecond);

}  // namespace
