# The two entry points on a fresh Debian 12 machine; both install what they need.
.PHONY: demo test bench clean

demo:
	tools/demo.sh

test:
	tools/run-tests.sh

clean:
	rm -rf build

# Start-up and extraction figures, printed; under Wine on a private Xvfb.
bench:
	tools/bench.sh
