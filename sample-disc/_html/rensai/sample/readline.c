/* プログラミング入門 第12回 サンプル: ファイルを１行ずつ読む */
#include <stdio.h>

int main(int argc, char *argv[])
{
    char line[256];
    FILE *fp;
    int n = 0;

    if (argc < 2) {
        printf("使い方: readline ファイル名\n");
        return 1;
    }
    fp = fopen(argv[1], "r");
    if (fp == NULL) {
        printf("ファイル %s は開けません\n", argv[1]);
        return 1;
    }
    while (fgets(line, sizeof line, fp) != NULL) {
        n++;
        printf("%4d: %s", n, line);
    }
    fclose(fp);
    return 0;
}
