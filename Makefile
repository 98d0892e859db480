# Developer targets; ./run and ./test call these after installing what is
# missing (scripts/install-deps).
.PHONY: all linux test run

all: linux

linux:
	cmake --preset linux
	cmake --build --preset linux

test: linux
	ctest --preset linux

run: linux
	@if [ -x build/linux/circlecalc ]; then exec build/linux/circlecalc; \
	else echo "No program is built yet: only the calculation and its tests exist so far." >&2; exit 1; fi
