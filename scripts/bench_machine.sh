# shellcheck shell=bash
# Sourced by the benchmark scripts. Other work on the machine moves every
# figure: wait_for_quiet_machine waits (up to 10 minutes) for the load average
# of the last minute to fall below LOAD_LIMIT (default 1), then says what the
# machine is and what the load was; say_load_after says it again at the end.

wait_for_quiet_machine() {
    local limit=${LOAD_LIMIT:-1}
    for _ in $(seq 60); do
        awk -v limit="$limit" '{ exit !($1 < limit) }' /proc/loadavg && break
        sleep 10
    done
    echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name: *//p'), load $(cut -d' ' -f1-3 /proc/loadavg) before"
}

say_load_after() {
    echo "Load after: $(cut -d' ' -f1-3 /proc/loadavg)"
}
