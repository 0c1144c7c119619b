// Placeholder replaced below.
int main() {
  return 0;
}
