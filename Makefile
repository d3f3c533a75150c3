# The two entry points on a fresh Debian 12 machine; both install what they need.
.PHONY: demo test clean

demo:
	tools/demo.sh

test:
	tools/run-tests.sh

clean:
	rm -rf build
