# The two entry points of the README: `make run` and `make test`.
BUILD_DIR ?= build

.PHONY: run test deps compile

run: compile
	$(BUILD_DIR)/bin/talvertable

test: compile
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

compile: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j2

deps:
	bash scripts/install-deps.sh
