# Velmora: everything a fresh Debian machine needs, from packages to a running program.

BUILD ?= build
DATA ?= $(HOME)/Velmora
JOBS ?= $(shell nproc)
# The fuzzers and the sanitizer build of the data-layer tests: Debian's clang, in a build folder of their own.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS := einstellungen monat csv camt mt940

# Debian packages the build, the tests and the screenshots need (the tests check the desktop entry and
# AppStream data with appstream and desktop-file-utils, and read printed PDFs back with poppler-utils;
# Qt6PrintSupport comes with qt6-base-dev).
PACKAGES := cmake ninja-build g++ make pkg-config \
	googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcsv-dev libzip-dev tzdata \
	qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev \
	fontconfig fonts-dejavu-core poppler-utils xvfb xauth xdotool qt6-translations-l10n appstream desktop-file-utils \
	clang libclang-rt-dev
# Debian's packaging tools and the checkers of what a package brings, for make package and test-package.
PACKAGE_TOOLS := dpkg-dev debhelper fakeroot lintian man-db file
# make package builds the .deb here, from a copy of the sources.
DEB ?= build-deb

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps package-deps configure build run demo test bench screenshots print-screenshots install package \
	test-package \
	clean fuzz sanitize

all: build

# Installs the Debian packages of $(1) that are missing.
define install_packages
	@missing=""; \
	for p in $(1); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

deps:
	$(call install_packages,$(PACKAGES))

package-deps:
	$(call install_packages,$(PACKAGES) $(PACKAGE_TOOLS))

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	"$(CURDIR)/$(BUILD)/src/app/velmora" "$(DATA)"

demo: build
	@dir=$$(mktemp -d /tmp/velmora-demo.XXXXXX); \
	$(BUILD)/tools/cli/velmora-cli generate "$$dir" --years 5 --seed 7 && \
	echo "Demo household in $$dir" && XDG_CONFIG_HOME="$$dir/.config" "$(CURDIR)/$(BUILD)/src/app/velmora" "$$dir"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/velmora-bench

screenshots: build print-screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots/velmora-screenshots $(BUILD)/screenshots

# The first page of each printed list (overview, standing orders, analyses) in German and English, as
# velmora-cli writes their PDFs, rendered to PNG for a person to look at.
PRINTS := $(BUILD)/screenshots/print
print-screenshots: build
	rm -rf $(PRINTS) && mkdir -p $(PRINTS)
	for sprache in de en; do \
		buch=$(PRINTS)/buch-$$sprache; \
		$(BUILD)/tools/cli/velmora-cli generate $$buch --years 2 --seed 7 --today 20261208 \
			$$( [ $$sprache = en ] && echo --english ) && \
		$(BUILD)/tools/cli/velmora-cli list $$buch --from 20261101 --to 20261208 --today 20261208 \
			--pdf $(PRINTS)/overview-$$sprache.pdf && \
		$(BUILD)/tools/cli/velmora-cli orders $$buch --today 20261208 --pdf $(PRINTS)/orders-$$sprache.pdf && \
		$(BUILD)/tools/cli/velmora-cli compare $$buch --today 20261208 --years 2026 2025 --months 12 11 \
			--pdf $(PRINTS)/analyses-$$sprache.pdf && \
		rm -rf $$buch || exit 1; \
	done
	for pdf in $(PRINTS)/*.pdf; do pdftoppm -png -r 100 -f 1 -l 1 -singlefile $$pdf $${pdf%.pdf}; done

install: build
	cmake --install $(BUILD)

# The Debian package, built by Debian's own tools from a copy of the sources in $(DEB)/, so that the
# source tree stays as it is; lintian then checks it and fails on errors.
package: package-deps
	rm -rf $(DEB) && mkdir -p $(DEB)/velmora
	tar -cf - --exclude=./.git --exclude=./$(BUILD) --exclude='./build-*' --exclude=./$(FUZZ_BUILD) . | \
		tar -xf - -C $(DEB)/velmora
	cd $(DEB)/velmora && dpkg-buildpackage -us -uc -b -j$(JOBS)
	lintian --fail-on error $(DEB)/velmora_*.changes

# Installs the package into this machine, checks what it brings, and removes it again. CI does not run
# it: the package build compiles the whole program a second time.
test-package: package
	$(SUDO) tests/package/install-remove.sh $(DEB)

$(FUZZ_BUILD)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DVELMORA_GUI=OFF -DVELMORA_BENCH=OFF -DVELMORA_SANITIZE=ON -DVELMORA_FUZZ=ON

# Each fuzzer starts from the files of a small generated household and runs FUZZ_SECONDS; what it finds
# is left in $(FUZZ_BUILD)/fuzz/ as crash-*, leak-* or timeout-* files.
fuzz: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velmora-fuzz-saat $(addprefix velmora-fuzz-,$(FUZZERS))
	rm -rf $(FUZZ_BUILD)/fuzz/saat && $(FUZZ_BUILD)/tests/fuzz/velmora-fuzz-saat $(FUZZ_BUILD)/fuzz/saat
	for f in $(FUZZERS); do \
		mkdir -p $(FUZZ_BUILD)/fuzz/korpus-$$f && \
		(cd $(FUZZ_BUILD)/fuzz && ../tests/fuzz/velmora-fuzz-$$f -max_total_time=$(FUZZ_SECONDS) \
			-print_final_stats=1 korpus-$$f saat/$$f) || exit 1; \
	done

# The data-layer tests once more, under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target velmora_data_tests
	$(FUZZ_BUILD)/tests/data/velmora_data_tests --gtest_brief=1

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) $(DEB)
