# Velmora: everything a fresh Debian machine needs, from packages to a running program.

BUILD ?= build
DATA ?= $(HOME)/Velmora
JOBS ?= $(shell nproc)

# Debian packages the build, the tests and the screenshots need.
PACKAGES := cmake ninja-build g++ make pkg-config \
	googletest libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libcsv-dev \
	qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev \
	fontconfig fonts-dejavu-core xvfb xauth

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps configure build run demo test bench screenshots install clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
		dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
		echo "Installing:$$missing"; \
		$(SUDO) apt-get update -qq && \
		DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	mkdir -p "$(DATA)"
	cd "$(DATA)" && "$(CURDIR)/$(BUILD)/src/app/velmora"

demo: build
	@dir=$$(mktemp -d /tmp/velmora-demo.XXXXXX); \
	$(BUILD)/tools/cli/velmora-cli generate "$$dir" --years 5 --seed 7 && \
	echo "Demo household in $$dir" && cd "$$dir" && "$(CURDIR)/$(BUILD)/src/app/velmora"

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/velmora-bench

screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots/velmora-screenshots $(BUILD)/screenshots

install: build
	cmake --install $(BUILD)

clean:
	rm -rf $(BUILD)
