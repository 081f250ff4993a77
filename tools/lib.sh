# Shared by the tools: the demo/test configuration points all three hosts at a stand-in on a
# loopback port chosen once per build folder (and again only when something else took it).

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${LANTERNIX_JOBS:-$(nproc)}"

port_free() {
    ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

# configure_demo BUILD_DIR [extra cmake args...]: prints nothing, leaves the port in BUILD_DIR/demo-port
configure_demo() {
    local build="$1"
    shift
    local port=""
    if [[ -f "$build/demo-port" ]]; then
        port=$(cat "$build/demo-port")
        port_free "$port" || port=""
    fi
    if [[ -z "$port" ]]; then
        for candidate in $(shuf -i 20000-45000 -n 200); do
            if port_free "$candidate"; then
                port=$candidate
                break
            fi
        done
    fi
    mkdir -p "$build"
    local host="127.0.0.1:$port"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DLANTERNIX_PRESENCE_HOST="$host" -DLANTERNIX_IMAGE_HOST="$host" \
        -DLANTERNIX_MAKER_HOST="$host" "$@" >/dev/null
    echo "$port" >"$build/demo-port"
}
