#!/usr/bin/env bash
# A throwaway PostgreSQL 15 server for the tests: a cluster made with initdb in a temp folder,
# listening only on a Unix socket in that folder (no TCP port), run as an unprivileged user
# (as root, the system user rbtestpg, made when missing: the server refuses to run as root).
#
#   eval "$(scripts/pg-cluster.sh start)"    # prints the export lines below
#   scripts/pg-cluster.sh stop [DIR]         # DIR: default $RB_TEST_PG_DIR; removes the folder
#
# Exports RB_TEST_PG_DIR (the folder), RB_TEST_PG_URI (the superuser "postgres" without a
# password: the tests make a database of their own each) and RB_TEST_PG_PASSWORD_URI (the
# role rb_password, which must log in with its password: scram-sha-256).
set -euo pipefail
bin=${PG_BIN:-/usr/lib/postgresql/15/bin}

# Runs a command as the owner of the folder when we are root.
as_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u "$(stat -c %U "$dir")" -- "$@"
  else
    "$@"
  fi
}

case "${1:-}" in
  start)
    dir=$(mktemp -d "${TMPDIR:-/tmp}/rb-pg.XXXXXX")
    chmod 755 "$dir"  # the tests reach the socket in it
    if [ "$(id -u)" -eq 0 ]; then
      user=${RB_TEST_PG_USER:-rbtestpg}
      id -u "$user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --shell /usr/sbin/nologin "$user"
      chown "$user" "$dir"
    fi
    # No disk flushes: the cluster is thrown away, and the tests run faster.
    if ! as_owner "$bin/initdb" -D "$dir/data" -U postgres --auth=trust --encoding=UTF8 \
         --locale=C.UTF-8 --no-sync >"$dir/initdb.log" 2>&1; then
      cat "$dir/initdb.log" >&2
      exit 1
    fi
    cat >>"$dir/data/postgresql.conf" <<CONF
listen_addresses = ''
unix_socket_directories = '$dir'
fsync = off
synchronous_commit = off
full_page_writes = off
max_connections = 60
CONF
    # The password role first: only it is held to its password.
    printf 'local all rb_password scram-sha-256\nlocal all all trust\n' >"$dir/data/pg_hba.conf"
    if ! as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 start >/dev/null; then
      cat "$dir/server.log" >&2
      exit 1
    fi
    "$bin/psql" -h "$dir" -U postgres -d postgres -qAtX -v ON_ERROR_STOP=1 \
      -c "CREATE ROLE rb_password LOGIN CREATEDB PASSWORD 'rb-test-secret'" >/dev/null
    printf 'export RB_TEST_PG_DIR=%q\n' "$dir"
    printf 'export RB_TEST_PG_URI=%q\n' "postgresql:///postgres?host=$dir&user=postgres"
    printf 'export RB_TEST_PG_PASSWORD_URI=%q\n' \
      "postgresql:///postgres?host=$dir&user=rb_password&password=rb-test-secret"
    ;;
  stop)
    dir=${2:-${RB_TEST_PG_DIR:-}}
    [ -n "$dir" ] && [ -d "$dir/data" ] || { echo "pg-cluster: no cluster folder given" >&2; exit 2; }
    as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$dir"
    ;;
  *)
    echo "usage: $0 start|stop [DIR]" >&2
    exit 2
    ;;
esac
