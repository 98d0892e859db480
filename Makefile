# Developer targets; ./run and ./test call these after installing what is
# missing (scripts/install-deps).
.PHONY: all linux test run windows test-windows run-windows

all: linux

linux:
	cmake --preset linux
	cmake --build --preset linux

test: linux windows
	ctest --preset linux
	ctest --preset windows

run: linux
	build/linux/circlecalc

# Hardening: the unit tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# a short fuzzing run, and the benchmark kept building. `make test` runs them
# after its own prerequisites.
.PHONY: asan fuzz-build fuzz bench-calc-build bench-calc test-hardening
FUZZ_SECONDS ?= 300

test: test-hardening

test-hardening: asan fuzz-build bench-calc-build
	ctest --preset asan
	ctest --preset fuzz

asan:
	cmake --preset asan
	cmake --build --preset asan

fuzz-build:
	cmake --preset fuzz
	cmake --build --preset fuzz

fuzz: fuzz-build
	tests/fuzz/run-fuzzer build/fuzz/circle_line_fuzzer build/fuzz $(FUZZ_SECONDS)

bench-calc-build:
	cmake --preset bench
	cmake --build --preset bench

bench-calc: bench-calc-build
	build/bench/bench/calc_bench
# Start-up, memory and size against other calculators on a private Xvfb; writes
# docs/benchmarks.md. Not part of `make test`. The programs can be pointed
# elsewhere: make bench LINUX_PROGRAM=... WINDOWS_PROGRAM=... ROUNDS=...
.PHONY: bench
LINUX_PROGRAM ?= build/linux/circlecalc
WINDOWS_PROGRAM ?= build/windows/circlecalc.exe
ROUNDS ?= 20
WARMUP ?= 2
bench:
	scripts/install-deps bench
	$(MAKE) linux
	LINUX_PROGRAM=$(LINUX_PROGRAM) WINDOWS_PROGRAM=$(WINDOWS_PROGRAM) ROUNDS=$(ROUNDS) WARMUP=$(WARMUP) \
	  bench/startup/run-series

# The Win32 program, cross-built with mingw-w64: build/windows/circlecalc.exe.
windows:
	cmake --preset windows
	cmake --build --preset windows

# Its end-to-end tests under Wine on a private Xvfb display.
test-windows: windows
	ctest --preset windows

run-windows: windows
	WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine build/windows/circlecalc.exe
