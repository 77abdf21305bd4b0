# Nested directories d/d/d/... as deep as full paths allow, each holding a copy
# of case.php, which includes the copy one level further down.
levels=$(( (4096 - ${#PWD} - 12) / 2 ))
rel=.
for ((i = 0; i < levels; i++)); do rel=$rel/d; done
mkdir -p "$rel"
content=$(< case.php)
rel=.
for ((i = 0; i < levels; i++)); do
    rel=$rel/d
    printf '%s\n' "$content" > "$rel/case.php"
done
