#!/usr/bin/env bash
# Signs copies of the built program through scripts/sign-windows with a throwaway self-signed
# code-signing certificate, as a release build does with the company's, and checks the
# signature with osslsigncode (the throwaway certificate is its own root, so it is the one
# trusted). Also: no certificate leaves the file as it is, a wrong password fails, and the
# password is on no command line.
#   signing_test.sh SIGN_SCRIPT PROGRAM.exe
set -euo pipefail

sign=$(realpath "$1")
program=$(realpath "$2")
for tool in openssl osslsigncode strace; do
  if ! command -v "$tool" >/dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
fail() {
  echo "FAIL: $*"
  exit 1
}

password='a throwaway password'
printf '%s\n' "$password" >password
openssl req -x509 -newkey rsa:2048 -nodes -keyout key.pem -out certificate.pem -days 2 \
  -subj "/CN=Tessaly signing test" -addext "extendedKeyUsage=codeSigning" \
  -addext "keyUsage=critical,digitalSignature" 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in certificate.pem -out certificate.p12 -passout file:password
verify() { osslsigncode verify -CAfile certificate.pem -in "$1" >"$1.verify" 2>&1; }

cp "$program" unsigned.exe
if verify unsigned.exe; then
  fail "the program verifies before it is signed"
fi

cp "$program" plain.exe
said=$(env -u TESSALY_SIGN_PKCS12 "$sign" plain.exe)
echo "$said"
if [ "$(wc -l <<<"$said")" -ne 1 ] || [[ $said != Unsigned* ]]; then
  fail "without a certificate it said: $said"
fi
cmp -s "$program" plain.exe || fail "without a certificate the program changed"

cp "$program" wrong.exe
if TESSALY_SIGN_PKCS12=certificate.p12 TESSALY_SIGN_PASSWORD=wrong "$sign" wrong.exe 2>/dev/null; then
  fail "a wrong password signed"
fi
cmp -s "$program" wrong.exe || fail "a failed signing changed the program"

cp "$program" from-file.exe
TESSALY_SIGN_PKCS12=certificate.p12 TESSALY_SIGN_PASSWORD_FILE=password "$sign" from-file.exe
verify from-file.exe || fail "the signature does not verify: $(cat from-file.exe.verify)"
grep -q "Signature verification: ok" from-file.exe.verify || fail "no verified signature: $(cat from-file.exe.verify)"

# The password given in the environment: every program started on the way is recorded.
cp "$program" from-environment.exe
TESSALY_SIGN_PKCS12=certificate.p12 TESSALY_SIGN_PASSWORD=$password \
  strace -f -qq -s 65536 -e trace=execve -o started "$sign" from-environment.exe
grep -q osslsigncode started || fail "osslsigncode was not started"
if grep -F -- "$password" started; then
  fail "the password is on a command line"
fi
verify from-environment.exe || fail "the signature does not verify: $(cat from-environment.exe.verify)"
echo "signed and verified"
