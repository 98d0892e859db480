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
	@if [ -x build/linux/circlecalc ]; then exec build/linux/circlecalc; \
	else echo "No program is built yet: only the calculation and its tests exist so far." >&2; exit 1; fi

# The Win32 program, cross-built with mingw-w64: build/windows/circlecalc.exe.
windows:
	cmake --preset windows
	cmake --build --preset windows

# Its end-to-end tests under Wine on a private Xvfb display.
test-windows: windows
	ctest --preset windows

run-windows: windows
	WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" wine build/windows/circlecalc.exe
